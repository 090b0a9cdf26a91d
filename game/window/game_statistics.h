#pragma once
// "Statistik": the games a person won and lost against the computer, per level, kept with
// the options. A game counts once, when it is won, if the computer played exactly one side;
// the level is the one chosen at that moment.

#include "engine/computer_player.h"
#include "engine/window_view.h"

#include <QObject>
#include <QPointer>

#include <QDialog>

namespace bramlow {

class BramlowWindow;
class GameOptions;

struct LevelRecord {
    int wins = 0;   // the person won
    int losses = 0; // the computer won
};

class GameStatistics : public QObject {
    Q_OBJECT
public:
    explicit GameStatistics(const GameOptions& options);

    // Counts the games ending at `window`.
    void follow(BramlowWindow* window);
    // Read from the settings file: a value that is no count reads as 0.
    LevelRecord record(ComputerLevel level) const;

    // Shows the window "Statistik" without blocking, or raises the one already open.
    void showWindow(QWidget* parent);
    QDialog* window() const { return dialog_; }

private:
    void textWritten(TextBox box);
    void fillWindow();

    const GameOptions& options_;
    QPointer<BramlowWindow> window_;
    // The game on screen has been counted; a new game's player text clears it.
    bool counted_ = false;
    QPointer<QDialog> dialog_;
};

} // namespace bramlow
