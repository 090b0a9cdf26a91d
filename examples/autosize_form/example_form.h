#pragma once
// A form from Qt Designer with a TrellAutoSize on it: the control records the layout
// once the form is set up and rescales it on every resize.

#include <QWidget>

#include <memory>

class TrellAutoSize;

namespace Ui {
class ExampleForm;
}

class ExampleForm : public QWidget {
    Q_OBJECT
public:
    explicit ExampleForm(QWidget* parent = nullptr);
    ~ExampleForm() override;

    TrellAutoSize* autoSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<Ui::ExampleForm> ui_;
};
