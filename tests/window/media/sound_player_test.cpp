// Play for real: SDL's disk driver writes what the device plays to a file, at the pace of
// a real device. The device is opened as 48 kHz, 16-bit stereo, which the disk driver
// grants as asked, so a wave in that format reaches the file byte for byte.
#include "window/media/sound_player.h"

#include "test_media_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bramlow {
namespace {

using testing::tonePcm;
using testing::waveImage;
using testing::WaveSpec;
using testing::writeFile;

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        output = dir.filePath("device-output.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(output).constData(), 1);
    }

    QString wave(const QString& name, const QByteArray& pcm, const WaveSpec& spec = {})
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeFile(path, waveImage(spec, pcm)));
        return path;
    }

    // Runs `script` against a fresh player and returns everything the device played.
    // The player is gone before the file is read: closing the device drops whatever is
    // still queued, so only what Play waited for is in the file.
    QByteArray playAndCapture(const std::function<void(SoundPlayer&)>& script, const QString& programDir = {})
    {
        {
            SoundPlayer player(programDir.isEmpty() ? dir.path() : programDir);
            EXPECT_TRUE(player.hasDevice());
            script(player);
        }
        QFile file(output);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir;
    QString output;
};

qsizetype nonSilentFrames(const QByteArray& raw)
{
    const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
    qsizetype frames = 0;
    for (qsizetype i = 0; i + 1 < raw.size() / 2; i += 2)
        frames += (samples[i] != 0 || samples[i + 1] != 0) ? 1 : 0;
    return frames;
}

TEST_F(SoundPlayerTest, PlayReturnsOnlyAfterTheWholeSoundWasPlayed)
{
    const QByteArray tone = tonePcm({}, 440, 150);
    wave("gut.wav", tone);
    const QByteArray played = playAndCapture([](SoundPlayer& p) { p.Play("gut.wav"); });
    EXPECT_GE(played.indexOf(tone), 0) << "the tone is not complete in the device output";
}

TEST_F(SoundPlayerTest, TwoCallsComeOutInOrderWithoutOverlap)
{
    const QByteArray first = tonePcm({}, 660, 80);
    const QByteArray second = tonePcm({}, 330, 80);
    wave("wuerfeln.wav", first);
    wave("schlagen.wav", second);

    const QByteArray played = playAndCapture([](SoundPlayer& p) {
        p.Play("wuerfeln.wav");
        p.Play("schlagen.wav");
    });
    const qsizetype a = played.indexOf(first);
    const qsizetype b = played.indexOf(second);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_GE(b, a + first.size()) << "the second sound starts before the first has ended";
}

TEST_F(SoundPlayerTest, TheSameNamePlayedTwiceIsReadAnewEachTime)
{
    const QByteArray before = tonePcm({}, 500, 60);
    const QByteArray after = tonePcm({}, 900, 60);
    wave("gut.wav", before);
    const QByteArray played = playAndCapture([&](SoundPlayer& p) {
        p.Play("gut.wav");
        wave("gut.wav", after);
        p.Play("gut.wav");
    });
    EXPECT_GE(played.indexOf(before), 0);
    EXPECT_GT(played.indexOf(after), played.indexOf(before));
}

TEST_F(SoundPlayerTest, PlaysFromTheProgramDirectoryNeverTheWorkingDirectory)
{
    // The program directory's name is not ASCII; the working directory holds a decoy.
    const QString program = dir.filePath(QStringLiteral("Klänge für Jürgen"));
    ASSERT_TRUE(QDir().mkpath(program));
    const QByteArray programTone = tonePcm({}, 440, 60);
    ASSERT_TRUE(writeFile(program + QStringLiteral("/glück.wav"), waveImage({}, programTone)));
    const QByteArray decoyTone = tonePcm({}, 880, 60);
    QTemporaryDir workingDir;
    ASSERT_TRUE(writeFile(workingDir.filePath(QStringLiteral("glück.wav")), waveImage({}, decoyTone)));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workingDir.path()));

    const QByteArray played = playAndCapture([](SoundPlayer& p) { p.Play("glück.wav"); }, program);
    QDir::setCurrent(before);
    EXPECT_GE(played.indexOf(programTone), 0);
    EXPECT_LT(played.indexOf(decoyTone), 0);
}

struct FormatCase {
    const char* what;
    WaveSpec spec;
};

TEST_F(SoundPlayerTest, OtherWaveFormatsAreConvertedToTheDevice)
{
    const FormatCase cases[] = {
        {"8-bit mono 22050 Hz", {22050, 1, 8}},
        {"16-bit mono 44100 Hz", {44100, 1, 16}},
        {"16-bit stereo 11025 Hz", {11025, 2, 16}},
    };
    for (const FormatCase& c : cases) {
        wave("winner.wav", tonePcm(c.spec, 440, 200), c.spec);
        const QByteArray played = playAndCapture([](SoundPlayer& p) { p.Play("winner.wav"); });
        // 200 ms at 48 kHz, give or take the resampler's edges.
        const qsizetype frames = nonSilentFrames(played);
        EXPECT_GT(frames, 9600 * 9 / 10) << c.what;
        EXPECT_LT(frames, 9600 * 11 / 10) << c.what;
    }
}

QByteArray withLe32At(QByteArray bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

TEST_F(SoundPlayerTest, BrokenFilesReturnNormallyAndTheNextSoundStillPlays)
{
    const QByteArray good = waveImage({}, tonePcm({}, 440, 100));
    const struct {
        const char* what;
        QByteArray bytes; // empty name means: no file at all
        bool exists;
    } cases[] = {
        {"missing file", {}, false},
        {"empty file", {}, true},
        {"text file", "Dies ist keine Wellendatei.", true},
        {"RIFF header only", good.left(12), true},
        {"cut inside the fmt chunk", good.left(30), true},
        {"data chunk declares 4 GiB", withLe32At(good, 40, 0xFFFFFFF0u), true},
        {"RIFF declares 4 GiB, data cut short", withLe32At(good, 4, 0xFFFFFFFFu).left(1000), true},
        {"zero channels", withLe32At(good, 22, 0x00000000u), true},
        {"absurd sample rate", withLe32At(good, 24, 0xFFFFFFFFu), true},
        {"unknown encoding", withLe32At(good, 20, 0x00020077u), true},
    };
    const QByteArray next = tonePcm({}, 770, 60);
    wave("gut.wav", next);
    for (const auto& c : cases) {
        QFile::remove(dir.filePath("schlecht.wav"));
        if (c.exists)
            ASSERT_TRUE(writeFile(dir.filePath("schlecht.wav"), c.bytes)) << c.what;

        const QByteArray played = playAndCapture([](SoundPlayer& p) {
            p.Play("schlecht.wav");
            p.Play("gut.wav");
        });
        EXPECT_GE(played.indexOf(next), 0) << c.what;
    }
}

TEST_F(SoundPlayerTest, AStalledDeviceDoesNotHoldPlayForever)
{
    // The device writes into a pipe that nobody reads: once the pipe is full, the device
    // stops taking samples, like a sound server that hangs. Play must give up after the
    // sound's length plus a margin (a hang here fails through the test's time limit).
    const QString pipe = dir.filePath("stalled-device");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    setenv("SDL_DISKAUDIOFILE", QFile::encodeName(pipe).constData(), 1);
    // Twice what a pipe holds, so the device must stall before the end.
    const QByteArray tone = tonePcm({}, 440, 700);
    wave("winner.wav", tone);

    qsizetype drained = 0;
    std::thread drain;
    {
        SoundPlayer player(dir.path());
        ASSERT_TRUE(player.hasDevice());
        player.Play("winner.wav");
        player.Play("winner.wav");

        // Unblock the device thread's write, so that the player can close the device.
        fcntl(reader, F_SETFL, 0);
        drain = std::thread([&] {
            char chunk[4096];
            for (ssize_t n; (n = read(reader, chunk, sizeof chunk)) > 0;)
                drained += n;
        });
    }
    drain.join(); // ends at end of file: the device has closed the pipe
    close(reader);
    EXPECT_LT(drained, 2 * tone.size()) << "the device never stalled; the test proves nothing";
}

TEST_F(SoundPlayerTest, WithoutAnAudioDeviceEveryPlayIsSilentAtOnce)
{
    // A 30-second sound: played for real it would outlast the test's time limit.
    const WaveSpec small{8000, 1, 8};
    wave("winner.wav", tonePcm(small, 440, 30000), small);
    setenv("SDL_AUDIODRIVER", "kein-solches-geraet", 1);

    SoundPlayer player(dir.path());
    EXPECT_FALSE(player.hasDevice());
    player.Play("winner.wav");
    player.Play("fehlt.wav");
}

} // namespace
} // namespace bramlow
