#pragma once
// The window "Spielregeln" (F1): the rules in German, with the program's own pictures of
// the pieces, the squares and the die, in a text browser that a screen reader reads like
// any text. It does not block the game; Escape closes it.

#include <QWidget>

namespace bramlow {

class RulesWindow : public QWidget {
    Q_OBJECT
public:
    // The pictures come from `programDir`; `parent` is the main window it belongs to.
    RulesWindow(const QString& programDir, QWidget* parent);

    // Shows the window, or raises the one already open.
    static void showFor(const QString& programDir, QWidget* mainWindow);
};

} // namespace bramlow
