#pragma once
// A read-only, centred, multi-line text box whose Text reads back exactly as it was
// written. The game keeps its state in such texts and compares them byte for byte, so
// the written string is kept as it is; the document only displays it ("\r\n" shows as
// one line break).

#include <QTextEdit>

#include <string>

namespace bramlow {

class TextBoxWidget : public QTextEdit {
    Q_OBJECT
public:
    explicit TextBoxWidget(QWidget* parent);

    const std::string& text() const { return text_; }
    // `display` false keeps the text without laying it out (a replay shows only its end).
    void setText(const std::string& text, bool display = true);

private:
    std::string text_;
};

} // namespace bramlow
