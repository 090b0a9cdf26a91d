#pragma once
// The record's entries in the menu "Datei", between "neues Spiel" and "Ende": continue the
// last game (Ctrl+L), save (Ctrl+S) and load (Ctrl+O) a game, take back a turn against the
// computer (Ctrl+Z). One per main window, its child. A failure opens a German box beside the
// game, which goes on.

#include <QObject>
#include <QString>

class QAction;

namespace bramlow {

class BramlowWindow;
class Journal;
class Sides;

class RecordMenu : public QObject {
    Q_OBJECT
public:
    RecordMenu(BramlowWindow& window, Journal& journal, Sides& sides);

    void continueLastGame();
    void saveGame();
    void loadGame();
    // Loads the record in `path` onto the window; false with a box when it is no good game.
    bool loadFile(const QString& path);
    void takeBackTurn();

    // The text of the last box, for the tests and the command line.
    const QString& lastMessage() const { return lastMessage_; }
    // Shows a German message in a box beside the game, and on standard error.
    void report(const QString& message);

private:
    QAction* addEntry(const char* text, const char* objectName, int key, void (RecordMenu::*slot)());
    void afterReplay();
    void updateEntries();

    BramlowWindow& window_;
    Journal& journal_;
    Sides& sides_;
    QAction* continue_ = nullptr;
    QAction* save_ = nullptr;
    QAction* undo_ = nullptr;
    QString lastMessage_;
};

} // namespace bramlow
