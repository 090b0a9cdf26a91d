#include "game_app.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    bramlow::GameApp game(QCoreApplication::applicationDirPath());
    QObject::connect(&game, &bramlow::GameApp::noWindowLeft, &app, &QCoreApplication::quit);
    game.start();
    return app.exec();
}
