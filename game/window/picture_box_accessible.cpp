#include "picture_box_accessible.h"

#include "window/media/picture_box.h"

namespace bramlow {

namespace {

constexpr const char* kQuietName = "bramlowQuietName";
constexpr const char* kFramed = "bramlowFramed";

QAccessibleInterface* pictureBoxInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    return nullptr;
}

} // namespace

PictureBoxAccessible::PictureBoxAccessible(PictureBox* box)
    : QAccessibleWidget(box, QAccessible::Button)
{
}

QString PictureBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return nameOf(static_cast<PictureBox*>(widget()));
    return QAccessibleWidget::text(t);
}

QAccessible::State PictureBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = widget()->property(kFramed).toBool();
    return state;
}

void PictureBoxAccessible::setFramed(PictureBox* box, bool framed)
{
    box->setProperty(kFramed, framed);
    if (framed) {
        QAccessibleEvent focus(box, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void PictureBoxAccessible::setQuietName(PictureBox* box, const QString& name) { box->setProperty(kQuietName, name); }

QString PictureBoxAccessible::nameOf(const PictureBox* box)
{
    const QVariant quiet = box->property(kQuietName);
    return quiet.isValid() ? quiet.toString() : box->accessibleName();
}

QStringList PictureBoxAccessible::actionNames() const { return QAccessibleWidget::actionNames() << pressAction(); }

void PictureBoxAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        static_cast<PictureBox*>(widget())->click();
    else
        QAccessibleWidget::doAction(actionName);
}

void PictureBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureBoxInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace bramlow
