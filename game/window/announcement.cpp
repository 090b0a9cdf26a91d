#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace bramlow {

namespace {

QPointer<AnnouncementLine>& currentLine()
{
    static QPointer<AnnouncementLine> line;
    return line;
}

// A notification: Orca speaks a notification's name when it starts showing, at once and
// whatever has the focus. A changed name alone is spoken only for the focused object.
QAccessibleInterface* announcementInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(AnnouncementLine::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void announce(const QString& text)
{
    if (AnnouncementLine* line = currentLine())
        line->say(text);
}

AnnouncementLine::AnnouncementLine(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcementInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
    currentLine() = this;
}

AnnouncementLine::~AnnouncementLine()
{
    if (currentLine() == this)
        currentLine() = nullptr;
}

void AnnouncementLine::say(const QString& text)
{
    if (text.isEmpty())
        return;
    // Hidden and shown again, so that the same text twice (a refusal repeated) is spoken
    // twice as well.
    hide();
    setAccessibleName(text);
    show();
}

} // namespace bramlow
