#include "game_app.h"

#include "window/about/about_screen.h"
#include "bramlow_window.h"
#include "network/network_menu.h"
#include "record/user_folders.h"

#include <QApplication>
#include <QMenuBar>

namespace bramlow {

GameApp::GameApp(QString programDir, RandomSource& random)
    : programDir_(std::move(programDir))
    , random_(random)
{
    // Qt would quit when the about screen hides, even though it brings a new main window
    // up at that very moment; this class knows better when the last window is gone.
    QApplication::setQuitOnLastWindowClosed(false);
    computer_.sitAt(&sides_);
    confineQtSettings();
    const auto report = [this](const QString& message) {
        if (recordMenu_)
            recordMenu_->report(message);
    };
    connect(&journal_, &Journal::writeFailed, this, report);
    connect(&options_, &GameOptions::saveFailed, this, report);
}

GameApp::~GameApp()
{
    // Tearing down is no closing: neither window's close handling may run now.
    if (about_) {
        about_->disconnect(this);
        delete about_;
    }
    if (main_) {
        main_->disconnect(this);
        delete main_;
    }
}

void GameApp::start() { openMainWindow(); }

void GameApp::openMainWindow()
{
    auto* window = new BramlowWindow(programDir_, random_);
    // The close box unloads the window.
    window->setAttribute(Qt::WA_DeleteOnClose);
    main_ = window;
    connect(window, &BramlowWindow::aboutRequested, this, &GameApp::showAbout);
    connect(window, &QObject::destroyed, this, &GameApp::mainWindowGone);
    options_.addMenuTo(*window->menuBar());
    addNetworkMenu(*window->menuBar(), network_, window);
    gameMenu_.attach(window);
    // While the computer plays both sides, the title says how the demo ends.
    const auto followOptions = [this, window] {
        window->setSoundOn(options_.soundOn());
        if (!network_.active()) // a network game's title names the peer
            window->setWindowTitle(options_.demo() ? QStringLiteral("Bramlow – Demo – ein Klick beendet sie") : QStringLiteral("Bramlow"));
    };
    followOptions();
    connect(&options_, &GameOptions::changed, window, followOptions);
    window->setPersonGate([this](std::optional<Player> toMove) {
        const bool may = sides_.personMayAct(toMove);
        if (!may && toMove && sides_.kind(*toMove) == SideKind::peer)
            network_.peerIsToMove();
        return may;
    });
    recordMenu_ = new RecordMenu(*window, journal_, sides_);
    connect(window, &BramlowWindow::actionRecorded, this, [this, window](const RecordEntries& lines) {
        journal_.recorded(window->recorder().record(), lines, isWon(*window));
        sides_.actionTaken(lines);
    });
    window->show();
    sides_.follow(window);
}

void GameApp::showAbout()
{
    if (about_) {
        about_->show();
        about_->raise();
        about_->activateWindow();
    } else {
        about_ = new AboutScreen(programDir_, main_);
        connect(about_, &AboutScreen::closed, this, &GameApp::aboutClosed);
        about_->show();
    }
    about_->repaint();
}

void GameApp::mainWindowGone()
{
    if (!about_)
        emit noWindowLeft();
}

void GameApp::aboutClosed()
{
    if (about_) {
        about_->disconnect(this);
        about_->deleteLater();
        about_ = nullptr;
    }
    // Closing the about screen brings the main window to the front; if it was closed
    // meanwhile, it comes back created anew, in its welcome state.
    if (!main_)
        openMainWindow();
}

} // namespace bramlow
