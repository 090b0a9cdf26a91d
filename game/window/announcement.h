#pragma once
// Spoken without asking: a line of the main window that a screen reader reads out
// whenever it changes, as a notification. Every event of the game reaches it (the
// window tells it what each click changed, whoever clicked: a person, the computer or a
// network peer); other parts of the program may say something through it as well.

#include <QString>
#include <QWidget>

namespace bramlow {

// Says `text` to a screen reader now, through the main window's announcement line; with
// no main window open, nothing. An empty text says nothing.
void announce(const QString& text);

// The announcement line itself: invisible, takes no focus and no clicks; its accessible
// name is the last text announced. The newest one created is the one announce() uses.
class AnnouncementLine : public QWidget {
    Q_OBJECT
public:
    explicit AnnouncementLine(QWidget* parent);
    ~AnnouncementLine() override;

    void say(const QString& text);
    // The last text said.
    const QString& text() const { return text_; }

signals:
    void said(const QString& text);

private:
    QString text_;
};

} // namespace bramlow
