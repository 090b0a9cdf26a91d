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
// whatever has the focus (a changed name alone is spoken only for the focused object).
// The name changes quietly: every event costs Orca a question to the program, and while
// the program plays a sound it answers late, so that Orca loses events that follow.
class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(AnnouncementLine* line)
        : QAccessibleWidget(line, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<AnnouncementLine*>(widget())->text() : QString();
    }
};

QAccessibleInterface* announcementInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(AnnouncementLine::staticMetaObject.className()))
        return new AnnouncementAccessible(static_cast<AnnouncementLine*>(object));
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
    text_ = text;
    show();
    emit said(text);
}

} // namespace bramlow
