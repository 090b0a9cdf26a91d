#include "demo_interruption.h"

#include "game_options.h"

#include <QCoreApplication>
#include <QEvent>

namespace bramlow {

DemoInterruption::DemoInterruption(GameOptions& options)
    : options_(options)
{
    connect(&options_, &GameOptions::changed, this, &DemoInterruption::followOptions);
    followOptions();
}

DemoInterruption::~DemoInterruption()
{
    if (watching_)
        QCoreApplication::instance()->removeEventFilter(this);
}

void DemoInterruption::followOptions()
{
    const bool watch = options_.demo() || swallowing_;
    if (watch == watching_)
        return;
    watching_ = watch;
    // The computer clicks through the handlers, never through events: every input event
    // seen here comes from a person.
    if (watch)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool DemoInterruption::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    // A key that is a shortcut (Ctrl+N) arrives as these instead of a press.
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        if (!options_.demo())
            return swallowing_;
        swallowing_ = true;
        event->accept();
        options_.setComputerForThisRun({false, false});
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
        if (!swallowing_)
            return false;
        swallowing_ = false;
        followOptions();
        return true;
    default:
        return false;
    }
}

} // namespace bramlow
