#include "window/about/about_texts.h"

namespace bramlow {

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString programVersionText()
{
    return versionText(BRAMLOW_VERSION_MAJOR, BRAMLOW_VERSION_MINOR, BRAMLOW_VERSION_PATCH);
}

} // namespace bramlow
