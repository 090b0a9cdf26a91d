#include "demo_interruption.h"

#include "sides/sides.h"

#include <QCoreApplication>
#include <QEvent>

namespace bramlow {

DemoInterruption::DemoInterruption(Sides& sides)
    : sides_(sides)
{
    connect(&sides_, &Sides::changed, this, &DemoInterruption::followSides);
    followSides();
}

DemoInterruption::~DemoInterruption()
{
    if (watching_)
        QCoreApplication::instance()->removeEventFilter(this);
}

void DemoInterruption::followSides()
{
    const bool watch = sides_.demo() || swallowing_;
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
        if (!sides_.demo())
            return swallowing_;
        swallowing_ = true;
        event->accept();
        sides_.endDemo();
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
        if (!swallowing_)
            return false;
        swallowing_ = false;
        followSides();
        return true;
    default:
        return false;
    }
}

} // namespace bramlow
