// The main() of every test on real widgets: a real QApplication on the offscreen platform,
// and SDL's disk audio driver into /dev/null, unless the environment names others (CTest
// sets them), so the tests and their discovery at build time never need a display or a
// sound card, and settings go to a scratch folder; the disk driver plays at a real
// device's pace, so Play's waiting is tested too.
#include <QApplication>
#include <QTemporaryDir>
#include <QThreadPool>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    }
    // Settings and the journal are kept in folders of this run, never in the user's own.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    const QTemporaryDir stateHome;
    qputenv("XDG_STATE_HOME", stateHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    // Qt scales large pictures on its global thread pool, whose idle threads live on for
    // 30 s; one still ending as the process ends leaves its thread data inside QtCore,
    // which LeakSanitizer reports. Idle threads end at once here.
    QThreadPool::globalInstance()->setExpiryTimeout(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
