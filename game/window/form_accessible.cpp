#include "form_accessible.h"

#include <QWidget>

namespace bramlow {

namespace {

const QString kFormName = QStringLiteral("bramlowForm");

bool leftOut(const QWidget* child)
{
    static const QStringList names = {QStringLiteral("speicher"), QStringLiteral("speicher2"),
                                      QStringLiteral("Image2"), QStringLiteral("moveMarks")};
    return child->isWindow() || names.contains(child->objectName());
}

QAccessibleInterface* formInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("QWidget") && object->objectName() == kFormName)
        return new FormAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

FormAccessible::FormAccessible(QWidget* form)
    : QAccessibleWidget(form, QAccessible::Client)
{
}

QList<QWidget*> FormAccessible::shownChildren() const
{
    QList<QWidget*> children;
    for (QObject* child : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !leftOut(w))
            children << w;
    }
    return children;
}

int FormAccessible::childCount() const { return static_cast<int>(shownChildren().size()); }

QAccessibleInterface* FormAccessible::child(int index) const
{
    const QList<QWidget*> children = shownChildren();
    return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
}

void FormAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(formInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace bramlow
