#include "game_menu.h"

#include "bramlow_window.h"

#include <QMenu>
#include <QMenuBar>

namespace bramlow {

void GameMenu::attach(BramlowWindow* window)
{
    QMenuBar& bar = *window->menuBar();
    auto* menu = new QMenu(QStringLiteral("Spiel"), &bar);
    menu->setObjectName(QStringLiteral("menuSpiel"));
    QAction* tipp = menu->addAction(QStringLiteral("Tipp"));
    tipp->setObjectName(QStringLiteral("menuTipp"));
    tipp->setShortcut(QKeySequence(Qt::Key_T));
    // Also on the window itself, so that T works wherever the focus is in it.
    window->addAction(tipp);
    QAction* statistik = menu->addAction(QStringLiteral("Statistik"));
    statistik->setObjectName(QStringLiteral("menuStatistik"));
    bar.insertMenu(bar.actions().value(1), menu);
    connect(tipp, &QAction::triggered, window, [this, window] { hint_.show(*window); });
    connect(statistik, &QAction::triggered, window, [this, window] { statistics_.showWindow(window); });
    statistics_.follow(window);
}

} // namespace bramlow
