// The main() of the window benchmarks: a real QApplication on the offscreen platform and
// SDL's disk audio driver, which plays at the pace of a real device, so every Play takes as
// long as its sound. Then the same benchmarks once more on a real X server: an Xvfb started
// here, reached through Qt's xcb platform, where every repaint really goes to the server.
// A platform named in the environment runs alone.
#include <QApplication>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Runs this program again on a new Xvfb and returns its status; 0 when Xvfb is missing.
int runOnXvfb(const QStringList& arguments)
{
    QProcess server;
    // -displayfd 1: the server picks a free display and writes its number on stdout.
    server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
    if (!server.waitForStarted() || !server.waitForReadyRead(10000)) {
        std::printf("Xvfb not started: no run on a real X server\n");
        return 0;
    }
    const QString display = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();
    std::printf("\nOn a real X server (Xvfb %s, xcb platform):\n", qPrintable(display));
    std::fflush(stdout);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess again;
    again.setProcessEnvironment(environment);
    again.setProcessChannelMode(QProcess::ForwardedChannels);
    again.start(QCoreApplication::applicationFilePath(), arguments);
    again.waitForFinished(-1);
    server.terminate();
    server.waitForFinished();
    return again.exitCode();
}

} // namespace

int main(int argc, char** argv)
{
    const bool alone = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!alone)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "disk");
    if (!qEnvironmentVariableIsSet("SDL_DISKAUDIOFILE"))
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1); // before the benchmark takes its own
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return alone ? 0 : runOnXvfb(arguments);
}
