#include "game_menu.h"

#include "bramlow_window.h"

#include <QMenu>
#include <QMenuBar>

namespace bramlow {

void GameMenu::attach(BramlowWindow* window)
{
    QMenuBar& bar = *window->menuBar();
    // The menu "Spiel" of the window's own keys; the hint and the statistics follow them.
    QMenu* menu = bar.findChild<QMenu*>(QStringLiteral("menuSpiel"));
    menu->addSeparator();
    QAction* tipp = menu->addAction(QStringLiteral("&Tipp"));
    tipp->setObjectName(QStringLiteral("menuTipp"));
    tipp->setShortcut(QKeySequence(Qt::Key_T));
    // Also on the window itself, so that T works wherever the focus is in it.
    window->addAction(tipp);
    QAction* statistik = menu->addAction(QStringLiteral("St&atistik"));
    statistik->setObjectName(QStringLiteral("menuStatistik"));
    connect(tipp, &QAction::triggered, window, [this, window] { hint_.show(*window); });
    connect(statistik, &QAction::triggered, window, [this, window] { statistics_.showWindow(window); });
    statistics_.follow(window);
}

} // namespace bramlow
