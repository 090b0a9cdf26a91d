#include "trell_auto_size_p.h"

#include "trellauto/trell_auto_size.h"

#include <QChildEvent>
#include <QLayout>

TrellAutoSizePrivate::TrellAutoSizePrivate(TrellAutoSize* owner)
    : control(owner)
    , ignore(TrellAutoSize::defaultIgnore())
{
}

TrellAutoSizePrivate::~TrellAutoSizePrivate()
{
    unwatch();
}

std::shared_ptr<const trellauto::FormControls> TrellAutoSizePrivate::controls(bool fresh)
{
    QWidget* form = trellauto::formOf(control);
    if (!fresh && list_ && form && list_->form == form)
        return list_;
    unwatch();
    std::shared_ptr<trellauto::FormControls> found(
        new trellauto::FormControls(trellauto::collectControls(form, order_)));
    for (const QPointer<QObject>& container : found->watched) {
        if (container)
            container->installEventFilter(this);
    }
    warnAboutLimits(*found);
    list_ = std::move(found);
    return list_;
}

void TrellAutoSizePrivate::unwatch()
{
    if (!list_)
        return;
    for (const QPointer<QObject>& container : list_->watched) {
        if (container)
            container->removeEventFilter(this);
    }
    list_.reset();
}

bool TrellAutoSizePrivate::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved: {
        // Widgets make the list, layouts say which of them keep their geometry; other
        // children (timers, animations) change nothing.
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() || qobject_cast<QLayout*>(child)
            || event->type() == QEvent::ChildRemoved)
            unwatch();
        break;
    }
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
        unwatch();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TrellAutoSizePrivate::warnAboutLimits(const trellauto::FormControls& found)
{
    const QString form = found.form ? found.form->objectName() : QString();
    if (found.controls.size() > trellauto::LayoutTable::kRows && !warnedRows_) {
        warnedRows_ = true;
        qWarning("TrellAutoSize %s: the form %s has %zu controls; only the first %zu are "
                 "rescaled",
                 qUtf8Printable(control->objectName()), qUtf8Printable(form),
                 found.controls.size(), trellauto::LayoutTable::kRows);
    }
    if (found.autoSizeControls > 1 && !warnedTwins_) {
        warnedTwins_ = true;
        qWarning("TrellAutoSize %s: the form %s holds %d TrellAutoSize controls; each "
                 "rescales the form, in no defined order",
                 qUtf8Printable(control->objectName()), qUtf8Printable(form),
                 found.autoSizeControls);
    }
}
