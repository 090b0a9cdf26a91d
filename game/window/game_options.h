#pragma once
// The menu "Optionen": whether the computer plays Silber, Gold or both (the demo), how well
// it plays, whether sounds are played, and whether the dice are new at every start. A
// person's choice in the menu is saved with QSettings and holds from the next start on;
// the command line's choice holds for one run only.

#include "command_line.h"
#include "level_choice.h"
#include "engine/player.h"

#include <QAction>
#include <QObject>

class QMenuBar;

namespace bramlow {

class GameOptions : public QObject {
    Q_OBJECT
public:
    // Reads the saved choices; without any, the computer plays neither side and sounds play.
    GameOptions();

    bool computerPlays(Player player) const;
    bool anyComputer() const { return computerPlays(Player::silber) || computerPlays(Player::gold); }
    // The computer plays both sides: it also starts every game itself.
    bool demo() const { return computerPlays(Player::silber) && computerPlays(Player::gold); }
    bool soundOn() const { return sound_.isChecked(); }
    ComputerLevel level() const { return levels_.level(); }
    LevelChoice& levels() { return levels_; }
    // Read at start only: on, the dice are seeded from the system's random device then.
    bool freshDiceOn() const { return freshDice_.isChecked(); }

    // Ticks the two computer entries as given, without saving them.
    void setComputerForThisRun(ComputerSides sides);

    // Puts the menu "Optionen" with the shared entries behind the first menu of `bar`.
    void addMenuTo(QMenuBar& bar);

signals:
    // An entry was ticked or cleared, by a person or by the program.
    void changed();
    // A person's choice could not be saved; German. It holds for this run all the same.
    void saveFailed(const QString& message);

private:
    void setUpEntry(QAction& entry, const char* objectName, const char* key, bool byDefault);

    QAction computerSilber_{QStringLiteral("Computer spielt &Silber")};
    QAction computerGold_{QStringLiteral("Computer spielt &Gold")};
    QAction sound_{QStringLiteral("&Ton")};
    LevelChoice levels_;
    QAction freshDice_{QStringLiteral("Neue &Würfelfolge bei jedem Start")};
};

} // namespace bramlow
