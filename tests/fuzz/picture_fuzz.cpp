// A picture file's bytes take the loader's path: the bitmap checks, then Qt's decoder
// choosing the format from the content.

#include "window/media/picture_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    bramlow::decodePicture(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
