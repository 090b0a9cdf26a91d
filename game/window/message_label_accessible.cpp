#include "message_label_accessible.h"

#include "message_label.h"

namespace bramlow {

namespace {

QAccessibleInterface* messageLabelInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(MessageLabel::staticMetaObject.className()))
        return new MessageLabelAccessible(static_cast<MessageLabel*>(object));
    return nullptr;
}

} // namespace

MessageLabelAccessible::MessageLabelAccessible(MessageLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

void* MessageLabelAccessible::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : QAccessibleWidget::interface_cast(t);
}

QString MessageLabelAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? caption() : QAccessibleWidget::text(t);
}

QString MessageLabelAccessible::caption() const { return static_cast<MessageLabel*>(widget())->text(); }

QString MessageLabelAccessible::text(int startOffset, int endOffset) const
{
    return caption().mid(startOffset, endOffset - startOffset);
}

int MessageLabelAccessible::characterCount() const { return static_cast<int>(caption().size()); }

QString MessageLabelAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

void MessageLabelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(messageLabelInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace bramlow
