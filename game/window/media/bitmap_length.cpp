#include "window/media/bitmap_length.h"

#include <QtEndian>

#include <cstdlib>

namespace bramlow {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
// Every field read below lies in the first 24 bytes of the info header.
constexpr qsizetype kFieldsEnd = kFileHeaderSize + 24;
constexpr quint32 kCoreHeaderSize = 12; // the oldest header: 16-bit width and height
// Compressions whose pixel rows have a fixed length: none, bit fields, alpha bit fields.
bool rowsOfFixedLength(quint32 compression) { return compression == 0 || compression == 3 || compression == 6; }

template <typename T>
T at(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

} // namespace

bool bitmapComplete(const QByteArray& bytes)
{
    if (!bytes.startsWith("BM"))
        return true;
    if (bytes.size() < kFieldsEnd)
        return false;
    const qint64 dataStart = at<quint32>(bytes, 10);
    const bool core = at<quint32>(bytes, kFileHeaderSize) == kCoreHeaderSize;
    const qint64 width = core ? at<quint16>(bytes, 18) : at<qint32>(bytes, 18);
    const qint64 height = std::llabs(core ? at<quint16>(bytes, 20) : at<qint32>(bytes, 22));
    const qint64 bitsPerPixel = at<quint16>(bytes, core ? 24 : 28);
    const quint32 compression = core ? 0 : at<quint32>(bytes, 30);

    // The pixel data runs from dataStart to the end of the file.
    const qint64 available = bytes.size() - dataStart;
    if (available < 0)
        return false;
    if (!rowsOfFixedLength(compression))
        return at<quint32>(bytes, 34) <= available; // the compressed size, as declared
    // Rows are padded to four bytes. Counting whole rows keeps a huge declared size from
    // overflowing; a width of 0 or less is the decoder's to refuse.
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return rowBytes <= 0 || height <= available / rowBytes;
}

} // namespace bramlow
