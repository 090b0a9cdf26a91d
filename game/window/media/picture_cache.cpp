#include "window/media/picture_cache.h"

#include <QCoreApplication>

#include <vector>

namespace bramlow {

namespace {

struct Decoded {
    QByteArray bytes;
    QPixmap picture;
};

// The game names 19 picture files. A cache that outgrows this many is emptied, so that a
// file replaced again and again cannot fill the memory.
constexpr std::size_t kMaxPictures = 32;

// Found by comparing whole files: sizes first, then bytes up to the first difference,
// which for two different bitmaps comes early. Cheaper than hashing a 2 MB file.
std::vector<Decoded>& pictures()
{
    static std::vector<Decoded> cache;
    return cache;
}

} // namespace

std::optional<QPixmap> cachedPicture(const QByteArray& bytes)
{
    for (const Decoded& known : pictures()) {
        if (known.bytes == bytes)
            return known.picture;
    }
    return std::nullopt;
}

QPixmap rememberPicture(const QByteArray& bytes, const QPixmap& picture)
{
    if (pictures().size() >= kMaxPictures)
        pictures().clear();
    // Registered again after each clearing at an application's end, for the next one.
    if (pictures().empty())
        qAddPostRoutine(forgetPictures);
    pictures().push_back({bytes, picture});
    return picture;
}

// Pixmaps must go before the application that made them.
void forgetPictures() { pictures().clear(); }

} // namespace bramlow
