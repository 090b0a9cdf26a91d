#pragma once
// Whether a Windows bitmap holds all the pixel data that its headers declare. Qt's reader
// fills a missing end with black, so a file cut short would otherwise show as a picture.

#include <QByteArray>

namespace bramlow {

// False for a bitmap ("BM") whose pixel data ends before its headers say it does, or whose
// headers are cut off themselves. True for a complete bitmap and for anything that is no
// bitmap at all: the decoder judges those.
bool bitmapComplete(const QByteArray& bytes);

// The number of pixels a complete bitmap's header declares, 0 for anything else: read
// before any decoding, since a file of a few bytes may declare a huge picture.
qint64 bitmapPixels(const QByteArray& bytes);

} // namespace bramlow
