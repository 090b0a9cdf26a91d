#include "play_menu.h"

#include "bramlow_window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace bramlow {

void addPlayMenu(BramlowWindow& window, QMenuBar& bar)
{
    auto* menu = new QMenu(QStringLiteral("&Spiel"), &bar);
    menu->setObjectName(QStringLiteral("menuSpiel"));

    QAction* roll = menu->addAction(QStringLiteral("&Würfeln"));
    roll->setObjectName(QStringLiteral("menuWuerfeln"));
    roll->setShortcut(QKeySequence(Qt::Key_W));
    QObject::connect(roll, &QAction::triggered, &window, &BramlowWindow::rollByKey);

    QAction* endTurn = menu->addAction(QStringLiteral("&Zug beenden"));
    endTurn->setObjectName(QStringLiteral("menuZugBeenden"));
    endTurn->setShortcuts({QKeySequence(Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_E)});
    QObject::connect(endTurn, &QAction::triggered, &window, &BramlowWindow::endTurnByKey);

    menu->addSeparator();
    QAction* fullScreen = menu->addAction(QStringLiteral("&Vollbild"));
    fullScreen->setObjectName(QStringLiteral("menuVollbild"));
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreen->setCheckable(true);
    QObject::connect(fullScreen, &QAction::toggled, &window, [&window](bool on) {
        window.setWindowState(window.windowState().setFlag(Qt::WindowFullScreen, on));
    });

    bar.insertMenu(bar.actions().value(1), menu);

    // F10 opens the first menu, as on most desktops; Alt and a letter open the others.
    auto* openBar = new QAction(&window);
    openBar->setObjectName(QStringLiteral("openMenuBar"));
    openBar->setShortcut(QKeySequence(Qt::Key_F10));
    QObject::connect(openBar, &QAction::triggered, &bar, [&bar] {
        if (!bar.actions().isEmpty())
            bar.setActiveAction(bar.actions().first());
    });
    window.addAction(openBar);
}

} // namespace bramlow
