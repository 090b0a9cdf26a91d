#pragma once
// What the window tests share: the build's program directory, a random source that plays
// back a script, real mouse clicks through the window system, and a copy of the program
// directory whose sounds last one millisecond, for tests that play hundreds of them.

#include "engine/random_source.h"
#include "test_media_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <stdexcept>
#include <vector>

namespace bramlow::test {

// Plays back `draws`; drawing past the end is recorded, so a test can fail on a game
// that took more turns than its script.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {}) : draws_(std::move(draws)) {}
    void append(float x) { draws_.push_back(x); }
    float next() override
    {
        overrun_ = overrun_ || position_ >= draws_.size();
        return overrun_ ? 0.0f : draws_[position_++];
    }
    bool overrun() const { return overrun_; }

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
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, widget->rect().center()));
}

class QuickProgramDir {
public:
    QuickProgramDir()
    {
        const QDir source(QStringLiteral(BRAMLOW_PROGRAM_DIR));
        for (const QString& name : source.entryList(QDir::Files)) {
            const QString target = dir_.filePath(name);
            const bool done = name.endsWith(QLatin1String(".wav"))
                                  ? testing::writeFile(target, testing::waveImage({48000, 1, 16}, QByteArray(96, '\0')))
                                  : QFile::copy(source.filePath(name), target);
            if (!done)
                throw std::runtime_error("cannot fill " + target.toStdString());
        }
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

} // namespace bramlow::test
