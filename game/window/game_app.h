#pragma once
// The program's windows over its lifetime: the main window, created at start and again
// whenever it is needed after having been closed, and the about screen, which is not a
// child of the main window and may outlive it. The program ends when neither is open.
// The options and the computer at the main window belong to the program, so they outlive
// a main window that is closed and created anew.

#include "bramlow_window.h"
#include "computer_turns.h"
#include "demo_interruption.h"
#include "game_menu.h"
#include "game_options.h"
#include "network/network_play.h"
#include "record/journal.h"
#include "record/record_menu.h"
#include "sides/sides.h"
#include "engine/random_source.h"
#include "window/about/about_screen.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace bramlow {

class GameApp : public QObject {
    Q_OBJECT
public:
    explicit GameApp(QString programDir, RandomSource& random = processRandomSource());
    ~GameApp() override;

    // Creates the main window (its load steps run) and shows it.
    void start();

    // Shows the about screen without blocking, or raises the one already open.
    void showAbout();

    BramlowWindow* mainWindow() const { return main_; }
    AboutScreen* aboutScreen() const { return about_; }
    GameOptions& options() { return options_; }
    ComputerTurns& computer() { return computer_; }
    Sides& sides() { return sides_; }
    Journal& journal() { return journal_; }
    NetworkPlay& network() { return network_; }
    // The record entries of the main window; nullptr while none is open.
    RecordMenu* recordMenu() const { return recordMenu_; }
    GameMenu& gameMenu() { return gameMenu_; }

signals:
    // The last window of the program has closed; main() ends the event loop on it.
    void noWindowLeft();

private:
    void openMainWindow();
    void mainWindowGone();
    void aboutClosed();

    QString programDir_;
    RandomSource& random_;
    QPointer<BramlowWindow> main_;
    QPointer<AboutScreen> about_;
    GameOptions options_;
    // The computer waits while the about screen is open.
    ComputerTurns computer_{options_, [this] { return !about_.isNull(); }};
    Sides sides_{options_, computer_};
    DemoInterruption demoInterruption_{sides_};
    Journal journal_;
    // After the sides: it unseats its peer as it goes.
    NetworkPlay network_{*this};
    QPointer<RecordMenu> recordMenu_;
    GameMenu gameMenu_{options_};
};

} // namespace bramlow
