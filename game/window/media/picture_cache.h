#pragma once
// Decoded pictures kept by the exact bytes of their file. Every use still reads its file as
// it is then; only bytes already decoded once are not decoded again.

#include <QByteArray>
#include <QPixmap>

#include <optional>

namespace bramlow {

// The picture decoded before from exactly `bytes`, or nothing.
std::optional<QPixmap> cachedPicture(const QByteArray& bytes);

// Keeps `picture` as the one decoded from `bytes`, and returns it.
QPixmap rememberPicture(const QByteArray& bytes, const QPixmap& picture);

// Drops every picture kept; done by itself when the application ends. A benchmark that
// starts the window again and again calls it to start as afresh.
void forgetPictures();

} // namespace bramlow
