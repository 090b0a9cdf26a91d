// How many key presses a turn takes by keyboard alone: the computer chooses each move of
// whole games, and its clicks are made by keys instead, as a person would press them:
// Tab to the board once a game, W to roll, N until the frame is on the piece, Return,
// N until it is on the destination, Return; E when no move is left. Prints the average.
// Run: build/<preset>/bench/window/keyboard_turns [games]

#include "engine/computer_player.h"
#include "engine/game_texts.h"
#include "engine/player.h"
#include "window/bramlow_window.h"
#include "window/media/picture_box.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

class Seeded : public bramlow::RandomSource {
public:
    float next() override { return std::uniform_real_distribution<float>(0.0f, 0.999f)(engine_); }

private:
    std::mt19937 engine_{2026};
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 20;
    Seeded random;
    bramlow::BramlowWindow window(QStringLiteral(BRAMLOW_PROGRAM_DIR), random);
    window.setSoundOn(false);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    QWidget* board = window.findChild<QWidget*>(QStringLiteral("boardKeyboard"));
    long presses = 0;
    long turns = 0;
    const auto press = [&](Qt::Key key) {
        QTest::keyClick(window.windowHandle(), key);
        ++presses;
    };
    // The framed stop is the one the board speaks for; N or Shift+N, whichever is shorter
    // (the player sees the board), until it is `cell`.
    const auto frameOn = [&](const bramlow::CellClick& cell) {
        const QString name = QStringLiteral("%1%2,").arg(QLatin1Char(cell.letter)).arg(cell.index);
        const auto framed = [&] { return board->accessibleName().startsWith(name); };
        const auto next = [&] { QTest::keyClick(window.windowHandle(), Qt::Key_N); };
        int ahead = 0;
        for (; !framed() && ahead < 60; ++ahead)
            next();
        int cycle = 0;
        do {
            next();
            ++cycle;
        } while (!framed() && cycle < 60);
        presses += std::min(ahead, cycle - ahead);
    };
    for (int game = 0; game < games; ++game) {
        window.menuNeu_Click(); // Ctrl+N
        ++presses;
        if (QApplication::focusWidget() != board) {
            window.findChild<QWidget*>(QStringLiteral("Neu_but"))->setFocus();
            for (int tab = 0; tab < 4; ++tab)
                press(Qt::Key_Tab);
        }
        while (bramlow::playerFromText(window.text(bramlow::TextBox::ausgabe1)) && turns < 100000) {
            ++turns;
            press(Qt::Key_W);
            const auto move = bramlow::chooseComputerMove(window.engine());
            if (!move) {
                press(Qt::Key_E);
                continue;
            }
            frameOn(move->piece);
            press(Qt::Key_Return);
            frameOn(move->destination);
            press(Qt::Key_Return);
        }
    }
    std::printf("%d games, %ld turns, %ld key presses: %.2f a turn\n", games, turns, presses,
                static_cast<double>(presses) / static_cast<double>(turns));
    return 0;
}
