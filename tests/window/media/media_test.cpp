// Play for real: SDL's disk driver writes what the device plays to a file, at the pace of
// a real device. The device is opened as 48 kHz, 16-bit stereo, which the disk driver
// grants as asked, so a wave in that format reaches the file byte for byte. Pictures are
// tested with the real program and window (startup_failure_test, window_test).
#include "window/media/picture_loader.h"
#include "window/media/sound_player.h"
#include "window/media/wave_decoder.h"
#include "window/media/wave_guard.h"

#include "test_media_files.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bramlow {
namespace {

using namespace testing; // the wave files of test_media_files.h

QByteArray withLe32At(QByteArray bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(output).constData(), 1);
        ASSERT_TRUE(QDir().mkpath(program));
    }
    QTemporaryDir dir;
    QString output = dir.filePath("device-output.raw"); // everything the device played
    // The program directory's name is not ASCII.
    QString program = dir.filePath(QStringLiteral("Klänge für Jürgen"));
};

// Each call plays its file whole and returns only when the device has taken it, so the next
// sound follows it; a missing or broken file returns normally and the next sound still plays.
TEST_F(SoundPlayerTest, EachCallPlaysItsFileWholeAndABrokenFileCostsTheNextSoundNothing)
{
    const QByteArray first = tonePcm({}, 660, 150), next = tonePcm({}, 330, 80);
    const QByteArray good = waveImage({}, first);
    ASSERT_TRUE(writeFile(program + "/gut.wav", waveImage({}, next)));
    const std::pair<const char*, QByteArray> cases[] = {
        {"missing file", {}},
        {"a good wave", good},
        {"text file", "Dies ist keine Wellendatei."},
        {"cut inside the fmt chunk", good.left(30)},
        {"RIFF declares 4 GiB, data cut short", withLe32At(good, 4, 0xFFFFFFFFu).left(1000)},
        {"zero channels", withLe32At(good, 22, 0x00000000u)},
        {"absurd sample rate", withLe32At(good, 24, 0xFFFFFFFFu)},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        if (!bytes.isEmpty())
            ASSERT_TRUE(writeFile(program + QStringLiteral("/würfeln.wav"), bytes));
        {
            // Closing the device drops whatever is still queued, so only what Play waited for
            // reaches the device's output.
            SoundPlayer player(program);
            EXPECT_TRUE(player.hasDevice());
            player.Play("würfeln.wav");
            // Play returns only near its sound's end: the device has played the first half.
            EXPECT_EQ(readFile(output).contains(first.first(first.size() / 2)), bytes == good);
            player.Play("gut.wav");
        }
        const QByteArray played = readFile(output);
        const qsizetype firstEnds = played.indexOf(first) + first.size();
        if (bytes == good)
            ASSERT_GE(firstEnds, first.size()) << "the first sound is not complete in the device output";
        EXPECT_GE(played.indexOf(next), bytes == good ? firstEnds : 0) << "the next sound is cut or overlaps";
    }
}

TEST_F(SoundPlayerTest, AStalledDeviceDoesNotHoldPlayForever)
{
    // The device writes into a pipe that nobody reads: once the pipe is full, the device
    // stops taking samples, like a sound server that hangs. Play must give up after the
    // sound's length plus a margin (a hang here fails through the test's time limit).
    const QByteArray pipe = QFile::encodeName(dir.filePath("stalled-device"));
    ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
    const int reader = open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    setenv("SDL_DISKAUDIOFILE", pipe.constData(), 1);
    // Twice what a pipe holds, so the device must stall before the end.
    const QByteArray tone = tonePcm({}, 440, 700);
    ASSERT_TRUE(writeFile(program + "/winner.wav", waveImage({}, tone)));

    qsizetype drained = 0;
    std::thread drain;
    {
        SoundPlayer player(program);
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

TEST_F(SoundPlayerTest, WithoutADeviceEveryPlayIsSilentAtOnceAndTheDummyDriverClosesCleanly)
{
    // A 30-second sound: played for real it would outlast the test's time limit.
    const testing::WaveFormat mono{8000, 1, 16};
    ASSERT_TRUE(writeFile(program + "/winner.wav", waveImage(mono, tonePcm(mono, 440, 30000))));
    setenv("SDL_AUDIODRIVER", "kein-solches-geraet", 1);
    SoundPlayer(program).Play("winner.wav");
    // A desktop without sound hardware may fall back to SDL's dummy driver; in SDL 2.26
    // closing it aborts the process when the device was opened with a changed buffer size.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(SoundPlayer(program).hasDevice());
}

// Identical bytes may share one decoding, but a file replaced by another of the same size
// shows the new picture at its next use.
TEST(PictureLoader, EachUseShowsTheFileAsItIsThen)
{
    QTemporaryDir dir;
    for (const QColor colour : {Qt::red, Qt::blue, Qt::red}) {
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(dir.filePath("07.bmp"), "BMP"));
        EXPECT_EQ(loadPictureOrExit(dir.path(), "07.bmp").toImage().pixelColor(1, 1), colour) << qPrintable(colour.name());
    }
}

// A Windows bitmap with a 40-byte info header and a palette of two colours.
QByteArray bitmap(qint32 width, qint32 height, quint16 bits, quint32 compression, const QByteArray& data)
{
    QByteArray out(14 + 40 + 8, '\0');
    out[0] = 'B';
    out[1] = 'M';
    for (const auto& [offset, value] : {std::pair{2, quint32(out.size() + data.size())}, {10, quint32(out.size())},
                                        {14, 40u}, {18, quint32(width)}, {22, quint32(height)}, {26, 1u | bits << 16},
                                        {30, compression}, {46, 2u}, {58, 0xFFFFFFu}})
        qToLittleEndian(value, out.data() + offset);
    return out + data; // the data's size is left 0, as some writers do
}

// Each bitmap is judged by what it holds: whole, cut, or larger than a game needs.
TEST(PictureDecoder, JudgesEachBitmapByWhatItReallyHolds)
{
    // RLE8 for 4 x 2 pixels, then the bitmap's end: three pixels one by one (padded to an
    // even length), a run of one and the row's end; a run of four and the row's end.
    const QByteArray rle = QByteArray::fromHex("00030100010001000000" "04010000" "0001");
    // The oldest header: 12 bytes, 16-bit width and height, 24 bits per pixel, one padded row.
    const QByteArray core = QByteArray::fromHex("424d1e000000000000001a0000000c00000001000100010018000000ff00");
    const std::tuple<const char*, QByteArray, const char*> rows[] = {
        {"1 x 1 with the old 12-byte header", core, ""},
        {"RLE8 whole", bitmap(4, 2, 8, 1, rle), ""},
        {"RLE8 cut after its first row", bitmap(4, 2, 8, 1, rle.left(10)), "ist kein gültiges Bild."},
        {"RLE8 of 2 bytes declaring 20000 x 20000", bitmap(20000, 20000, 8, 1, rle.right(2)), "ist zu groß"},
        {"RLE8 cut after a jump to the right", bitmap(4, 2, 8, 1, QByteArray::fromHex("04010000" "00020200")), "ist kein gültiges Bild."},
        // Five pixels one by one take three bytes and a pad byte, here 00 01: the bitmap's
        // end for a walk that takes them a byte short.
        {"RLE4 cut after an odd run of single pixels", bitmap(6, 2, 4, 2, QByteArray::fromHex("0005" "10100001" "0111" "0000")), "ist kein gültiges Bild."},
        {"top down, whole", bitmap(2, -2, 24, 0, QByteArray(16, '\x40')), ""},
        {"top down, one row of two", bitmap(2, -2, 24, 0, QByteArray(8, '\x40')), "ist kein gültiges Bild."},
        {"the old header, one row of three", QByteArray(core).replace(20, 1, "\x03"), "ist kein gültiges Bild."},
    };
    for (const auto& [what, bytes, cause] : rows) {
        const DecodedPicture decoded = decodePicture(bytes);
        const QString expected = QString::fromUtf8(cause);
        EXPECT_EQ(decoded.cause.left(expected.size()).toStdString(), cause) << what;
        EXPECT_EQ(decoded.image.isNull(), *cause != 0) << what;
    }
}

// An empty mono ADPCM wave (`tag` 2 MS, 17 IMA) at 8 kHz in blocks of 256 bytes, its fmt
// chunk ending with `extra`.
QByteArray adpcm(quint16 tag, const QByteArray& extra)
{
    QByteArray out = withLe32At(waveImage({8000, 1, 4}, {}), 16, quint32(16 + extra.size())).insert(36, extra);
    out = withLe32At(withLe32At(out, 20, tag | 1u << 16), 32, 256u | 4u << 16);
    return withLe32At(out, 4, quint32(out.size() - 8));
}

TEST(WaveDecoder, AnEmptySoundIsSilenceInEveryFormatAndOneOfMinutesIsRefused)
{
    const AudioFormat device{48000, 0x8010, 2}; // SDL's AUDIO_S16LSB
    // The ADPCM extensions: samples per block, and MS ADPCM's seven standard coefficient pairs.
    const QByteArray ima = QByteArray::fromHex("0200f901");
    const QByteArray ms = QByteArray::fromHex("2000f401070000010000000200ff00000000c0004000f0000000cc0130ff880118ff");
    const std::tuple<const char*, QByteArray, int> rows[] = {
        {"16-bit PCM", waveImage({8000, 1, 16}, {}), 0},
        {"mu-law", withLe32At(waveImage({8000, 1, 8}, {}), 20, 7u | 1u << 16), 0},
        {"IMA ADPCM", adpcm(17, ima), 0},
        {"MS ADPCM", adpcm(2, ms), 0},
        {"8-bit PCM at 2 Hz: 299 s in 642 bytes", waveImage({2, 1, 8}, QByteArray(598, '\x80')), -1},
        {"16-bit stereo at 4194299 Hz, where SDL's resampler overflows", waveImage({4194299, 2, 16}, QByteArray(16, 1)), -1},
    };
    for (const auto& [what, bytes, size] : rows) {
        const auto samples = decodeWave(bytes, device);
        EXPECT_EQ(samples ? int(samples->size()) : -1, size) << what;
    }
}

TEST(WaveGuard, ClampsEveryDeclaredSizeToTheBytesPresent)
{
    // A 100-byte data chunk: the whole image is 144 bytes, RIFF size at 4, data size at 40.
    // Each row: what, the declared data size, the bytes kept of the image, and the RIFF and
    // data sizes expected after clamping.
    const std::tuple<const char*, quint32, int, quint32, quint32> cases[] = {
        {"data chunk claims 4 GiB", 0xFFFFFFF0u, 144, 136, 100},
        {"file cut in the middle of the data", 100, 94, 86, 50},
        {"sizes smaller than the file are kept", 20, 144, 136, 20},
    };
    for (const auto& [what, declaredData, keep, riff, data] : cases) {
        QByteArray image = withLe32At(waveImage({}, QByteArray(100, '\x22')), 40, declaredData).left(keep);
        ASSERT_TRUE(clampRiffChunkSizes({reinterpret_cast<unsigned char*>(image.data()), std::size_t(image.size())}));
        EXPECT_EQ(qFromLittleEndian<quint32>(image.constData() + 4), riff) << what;
        EXPECT_EQ(qFromLittleEndian<quint32>(image.constData() + 40), data) << what;
    }
    // A chunk of odd length is followed by a pad byte: the walk still finds the data chunk.
    QByteArray padded = waveImage({}, QByteArray(100, '\x22')).insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12));
    padded = withLe32At(padded, 52, 0xFFFFFFF0u);
    ASSERT_TRUE(clampRiffChunkSizes({reinterpret_cast<unsigned char*>(padded.data()), std::size_t(padded.size())}));
    EXPECT_EQ(qFromLittleEndian<quint32>(padded.constData() + 52), 100u);
}

} // namespace
} // namespace bramlow
