#pragma once
// What assistive technology sees of the main window's form: its controls, without the
// two hidden text boxes that only store the picked-up piece, the background picture
// behind the cells and the layer that draws the frames of the last move.

#include <QAccessibleWidget>

namespace bramlow {

class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* form);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Makes the widget named "bramlowForm" appear so; once per program.
    static void install();

private:
    QList<QWidget*> shownChildren() const;
};

} // namespace bramlow
