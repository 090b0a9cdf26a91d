#include "window/media/fatal_error.h"

#include "window/media/program_folder.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace bramlow {

int dialogTimeoutMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("BRAMLOW_DIALOG_TIMEOUT_MS", &ok);
    return ok && ms >= 0 ? ms : -1;
}

void reportFatalErrorAndExit(const QString& text, int exitCode, QWidget* parent)
{
    const QString message = withShownFolder(text);
    // The box runs a nested event loop; should a queued event run into a second fatal
    // error meanwhile, that one must not open a box over the first.
    static bool reporting = false;

    std::fprintf(stderr, "bramlow: %s\n", message.toUtf8().constData());
    std::fflush(stderr);

    if (!reporting && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        reporting = true;
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Bramlow"), message, QMessageBox::Ok, parent);
        if (const int ms = dialogTimeoutMs(); ms >= 0)
            QTimer::singleShot(ms, &box, &QDialog::accept);
        box.exec();
    }

    // _Exit, not exit: the QApplication still lives on main()'s stack, and running the
    // static destructors under it is how a clean error report turns into a crash.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace bramlow
