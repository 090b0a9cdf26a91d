#pragma once
// "Spielstärke" in the menu "Optionen": how well the computer plays, "Leicht", "Mittel" or
// "Stark", one at a time. A person's choice is saved with the other options; the command
// line's (--level) holds for one run only.

#include "engine/computer_player.h"

#include <QAction>
#include <QActionGroup>
#include <QObject>
#include <QString>

#include <optional>

class QMenu;

namespace bramlow {

// "leicht", "mittel", "stark": the names in the settings file and on the command line.
QString levelName(ComputerLevel level);
std::optional<ComputerLevel> levelNamed(const QString& name);

class LevelChoice : public QObject {
    Q_OBJECT
public:
    // Reads the saved choice; without one, or with one that names no level, Mittel.
    LevelChoice();

    ComputerLevel level() const;
    // Ticks `level` without saving it.
    void setLevelForThisRun(ComputerLevel level);
    // Adds the submenu "Spielstärke" to `menu`.
    void addMenuTo(QMenu& menu);

signals:
    // A person's choice could not be saved: a German message.
    void saveFailed(const QString& error);

private:
    QAction leicht_{QStringLiteral("&Leicht")};
    QAction mittel_{QStringLiteral("&Mittel")};
    QAction stark_{QStringLiteral("&Stark")};
    QActionGroup group_{this};
};

} // namespace bramlow
