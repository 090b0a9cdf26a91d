#pragma once
// The message line ausgabe11: centred, on an opaque background, in front of the lower edge
// of ausgabe2. A caption wider than the line wraps; one that does not fit even then is set
// in a smaller type just until it fits, so that every message can be read whole.

#include <QLabel>

namespace bramlow {

class MessageLabel : public QLabel {
    Q_OBJECT
public:
    explicit MessageLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace bramlow
