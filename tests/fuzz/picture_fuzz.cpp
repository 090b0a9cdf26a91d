// A picture file's bytes take the loader's path: the bitmap check, then Qt's decoder
// choosing the format from the content.

#include "window/media/bitmap_length.h"

#include <QBuffer>
#include <QImageReader>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!bramlow::bitmapComplete(bytes))
        return 0;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.read();
    return 0;
}
