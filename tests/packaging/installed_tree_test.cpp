// The tree that `cmake --install` leaves under a fresh prefix: desktop integration that
// agrees with itself, binaries that point nowhere into the build, and a Designer plugin
// that finds its library. The program directory and the game started from it are checked
// on the Debian package, which the same install rules fill under another prefix.

#include <QDesignerCustomWidgetInterface>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPluginLoader>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace bramlow::test {
namespace {

const QString kPrefix = QStringLiteral(BRAMLOW_STAGE_PREFIX);
const QString kProgramDir = kPrefix + QStringLiteral("/" INSTALL_LIBDIR "/bramlow");
const QString kLauncher = kPrefix + QStringLiteral("/" INSTALL_BINDIR "/bramlow");
const QString kDataDir = kPrefix + QStringLiteral("/" INSTALL_DATADIR);
const QString kDesignerPlugin = kPrefix + QStringLiteral("/" INSTALL_DESIGNERDIR "/libTrellAutoDesigner.so");
const QString kAppId = QStringLiteral("io.github.bramlow.Bramlow");

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(InstalledTree, DesktopEntryIconsAndMetainfoNameEachOther)
{
    const QString entry = readText(kDataDir + QStringLiteral("/applications/") + kAppId + QStringLiteral(".desktop"));
    ASSERT_FALSE(entry.isEmpty());
    auto value = [&](const char* key) {
        return QRegularExpression(QStringLiteral("^%1=(.*)$").arg(QLatin1String(key)), QRegularExpression::MultilineOption)
            .match(entry).captured(1);
    };
    EXPECT_EQ(QFileInfo(kPrefix + QStringLiteral("/" INSTALL_BINDIR "/") + value("Exec")).canonicalFilePath(),
              QFileInfo(kLauncher).canonicalFilePath())
        << "Exec must name the installed launcher";
    const QStringList categories = value("Categories").split(QLatin1Char(';'));
    EXPECT_TRUE(categories.contains(QStringLiteral("Game")) && categories.contains(QStringLiteral("BoardGame")));
    EXPECT_EQ(value("Icon"), kAppId);
    for (const QString& size : QStringLiteral(ICON_SIZES).split(QLatin1Char(','))) {
        const QImage image(kDataDir + QStringLiteral("/icons/hicolor/%1x%1/apps/%2.png").arg(size, kAppId));
        EXPECT_EQ(image.size(), QSize(size.toInt(), size.toInt())) << "a theme folder holds its own size only";
    }

    const QString metainfo = readText(kDataDir + QStringLiteral("/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"));
    // Its id, its desktop file, its command and the version being installed.
    for (const QString& part : {QStringLiteral("<id>%1</id>").arg(kAppId),
                                QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(kAppId),
                                QStringLiteral("<binary>%1</binary>").arg(QFileInfo(kLauncher).fileName()),
                                QStringLiteral("<release version=\"" BRAMLOW_VERSION "\"")})
        EXPECT_TRUE(metainfo.contains(part)) << part.toStdString();
}

// Where the entries lead is shown by the game started from the package and the Designer
// plugin loaded below, which map nothing from the build; this catches an absolute entry
// that happens to lead nowhere harmful on this machine.
TEST(InstalledTree, BinariesSearchOnlyRelativeToThemselves)
{
    for (const QString& file : {kProgramDir + QStringLiteral("/bramlow"), kProgramDir + QStringLiteral("/libTrellAuto.so"), kDesignerPlugin}) {
        SCOPED_TRACE(file.toStdString());
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), file});
        ASSERT_TRUE(readelf.waitForFinished(60000) && readelf.exitCode() == 0);
        static const QRegularExpression entry(QStringLiteral(R"(\((?:RPATH|RUNPATH)\).*\[(.*)\])"));
        for (auto m = entry.globalMatch(QString::fromLocal8Bit(readelf.readAllStandardOutput())); m.hasNext();)
            for (const QString& path : m.next().captured(1).split(QLatin1Char(':')))
                EXPECT_TRUE(path.startsWith(QLatin1String("$ORIGIN"))) << path.toStdString() << " is fixed at build time";
    }
}

TEST(InstalledDesignerPlugin, LoadsWithTheInstalledControlLibrary)
{
    QPluginLoader loader(kDesignerPlugin);
    auto* widgetPlugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_NE(widgetPlugin, nullptr) << loader.errorString().toStdString();
    EXPECT_EQ(widgetPlugin->name(), QStringLiteral("TrellAutoSize"));
    EXPECT_TRUE(QFileInfo::exists(kPrefix + QStringLiteral("/" INSTALL_INCLUDEDIR "/") + widgetPlugin->includeFile()))
        << "forms made in Designer include " << widgetPlugin->includeFile().toStdString();

    std::unique_ptr<QWidget> control(widgetPlugin->createWidget(nullptr));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), "TrellAutoSize");
    control.reset();

    const QString maps = readText(QStringLiteral("/proc/self/maps"));
    EXPECT_TRUE(maps.contains(QFileInfo(kProgramDir + QStringLiteral("/libTrellAuto.so")).canonicalFilePath()));
    EXPECT_FALSE(maps.contains(QStringLiteral(BRAMLOW_BUILD_DIR "/bin/"))) << "a library from the build was loaded";
}

} // namespace
} // namespace bramlow::test
