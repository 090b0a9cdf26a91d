#include "example_form.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ExampleForm form;
    form.show();
    return app.exec();
}
