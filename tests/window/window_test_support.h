#pragma once
// What the window tests share: the build's program directory, a random source that
// plays back a script, real mouse clicks through the window system, and a program
// directory with near-silent sounds for tests that play hundreds of them.

#include "engine/random_source.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace bramlow::test {

inline QString programDir() { return QStringLiteral(BRAMLOW_PROGRAM_DIR); }

// Plays back `draws`; drawing past the end is recorded, so a test can fail on a game
// that took more turns than its script.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {}) : draws_(std::move(draws)) {}
    void append(float x) { draws_.push_back(x); }
    float next() override
    {
        if (position_ >= draws_.size()) {
            overrun_ = true;
            return 0.0f;
        }
        return draws_[position_++];
    }
    bool overrun() const { return overrun_; }
    std::size_t used() const { return position_; }

private:
    std::vector<float> draws_;
    std::size_t position_ = 0;
    bool overrun_ = false;
};

// A draw in the middle of the band that makes the die show `face`: the die is the
// integer part of x * 5.4 + 1.
constexpr float drawForFace(int face) { return (static_cast<float>(face) - 0.5f) / 5.4f; }
inline constexpr float silberStarts = 0.25f;
inline constexpr float goldStarts = 0.5f;

// A left click at the middle of `widget`, delivered through its top-level window, so
// that the window system decides which widget is hit (a hidden one is not).
inline void clickThroughWindow(QWidget* widget)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(top, widget->rect().center()));
}

// 16-bit mono PCM of `frames` zero samples at 48 kHz.
inline QByteArray silentWave(int frames)
{
    auto le = [](QByteArray& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.append(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames) * 2;
    QByteArray wave("RIFF");
    le(wave, 36 + dataBytes, 4);
    wave.append("WAVEfmt ");
    le(wave, 16, 4);
    le(wave, 1, 2);          // PCM
    le(wave, 1, 2);          // mono
    le(wave, 48000, 4);      // frames per second
    le(wave, 48000 * 2, 4);  // bytes per second
    le(wave, 2, 2);          // bytes per frame
    le(wave, 16, 2);         // bits per sample
    wave.append("data");
    le(wave, dataBytes, 4);
    wave.append(QByteArray(static_cast<qsizetype>(dataBytes), '\0'));
    return wave;
}

// A copy of the build's program directory (program, control library, pictures) in
// which every sound lasts one millisecond.
class QuickProgramDir {
public:
    QuickProgramDir()
    {
        if (!dir_.isValid())
            throw std::runtime_error("no temporary directory");
        const QDir source(programDir());
        for (const QString& name : source.entryList(QDir::Files)) {
            const QString target = dir_.filePath(name);
            if (name.endsWith(QLatin1String(".wav"))) {
                QFile wave(target);
                if (!wave.open(QIODevice::WriteOnly) || wave.write(silentWave(48)) < 0)
                    throw std::runtime_error("cannot write " + target.toStdString());
            } else if (!QFile::copy(source.filePath(name), target)) {
                throw std::runtime_error("cannot copy " + name.toStdString());
            }
        }
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

} // namespace bramlow::test
