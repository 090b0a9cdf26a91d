#include "window/media/bitmap_length.h"

#include <QtEndian>

#include <cstdlib>

namespace bramlow {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12; // the oldest header: 16-bit width and height
// Every field read below lies in the first 24 bytes of a newer info header.
constexpr qsizetype kInfoFieldsEnd = kFileHeaderSize + 24;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
// Compressions whose pixel rows have a fixed length: none, bit fields, alpha bit fields.
bool rowsOfFixedLength(quint32 compression) { return compression == 0 || compression == 3 || compression == 6; }

template <typename T>
T at(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// Walks the runs of RLE8 or RLE4 data from `pos`: complete when they reach the end-of-bitmap
// mark or fill every row before the bytes end. The declared size is not trusted (a writer
// may leave it 0).
bool runLengthComplete(const QByteArray& bytes, qsizetype pos, qint64 height, bool fourBits)
{
    qint64 row = 0;
    while (row < height && pos + 2 <= bytes.size()) {
        const auto count = quint8(bytes[pos]);
        const auto code = quint8(bytes[pos + 1]);
        pos += 2;
        if (count > 0 || code == 0) { // a run of one value, or the end of a row
            row += count == 0;
            continue;
        }
        if (code == 1) // the end of the bitmap
            return true;
        if (code == 2) { // a jump right and up
            if (pos + 2 > bytes.size())
                return false;
            row += quint8(bytes[pos + 1]);
            pos += 2;
            continue;
        }
        // `code` pixels given one by one, padded to an even number of bytes.
        const qsizetype literal = fourBits ? (code + 1) / 2 : code;
        pos += literal + (literal & 1);
        if (pos > bytes.size())
            return false;
    }
    return row >= height;
}

// Whether the headers are whole, and which of the two kinds they are.
bool headersPresent(const QByteArray& bytes, bool& core)
{
    if (!bytes.startsWith("BM") || bytes.size() < kFileHeaderSize + 4)
        return false;
    core = at<quint32>(bytes, kFileHeaderSize) == kCoreHeaderSize;
    return bytes.size() >= (core ? kFileHeaderSize + qsizetype(kCoreHeaderSize) : kInfoFieldsEnd);
}

} // namespace

qint64 bitmapPixels(const QByteArray& bytes)
{
    bool core = false;
    if (!headersPresent(bytes, core))
        return 0;
    const qint64 width = core ? at<quint16>(bytes, 18) : at<qint32>(bytes, 18);
    const qint64 height = core ? at<quint16>(bytes, 20) : at<qint32>(bytes, 22);
    return std::llabs(width) * std::llabs(height);
}

bool bitmapComplete(const QByteArray& bytes)
{
    bool core = false;
    if (!bytes.startsWith("BM"))
        return true;
    if (!headersPresent(bytes, core))
        return false;
    const qint64 dataStart = at<quint32>(bytes, 10);
    const qint64 width = core ? at<quint16>(bytes, 18) : at<qint32>(bytes, 18);
    const qint64 height = std::llabs(core ? at<quint16>(bytes, 20) : at<qint32>(bytes, 22));
    const qint64 bitsPerPixel = at<quint16>(bytes, core ? 24 : 28);
    const quint32 compression = core ? 0 : at<quint32>(bytes, 30);

    // The pixel data runs from dataStart to the end of the file.
    const qint64 available = bytes.size() - dataStart;
    if (available < 0)
        return false;
    if (compression == kRle8 || compression == kRle4)
        return runLengthComplete(bytes, qsizetype(dataStart), height, compression == kRle4);
    if (!rowsOfFixedLength(compression))
        return at<quint32>(bytes, 34) <= available; // the compressed size, as declared
    // Rows are padded to four bytes. Counting whole rows keeps a huge declared size from
    // overflowing; a width of 0 or less is the decoder's to refuse.
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return rowBytes <= 0 || height <= available / rowBytes;
}

} // namespace bramlow
