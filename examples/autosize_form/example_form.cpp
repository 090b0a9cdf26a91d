#include "example_form.h"

#include "ui_example_form.h"

#include <trellauto/trell_auto_size.h>

ExampleForm::ExampleForm(QWidget* parent)
    : QWidget(parent)
    , ui_(std::make_unique<Ui::ExampleForm>())
{
    ui_->setupUi(this);
    // setupUi has given the form its designed size: that is the layout to keep.
    ui_->TrellAutoSize1->Init();
}

ExampleForm::~ExampleForm() = default;

TrellAutoSize* ExampleForm::autoSize() const { return ui_->TrellAutoSize1; }

void ExampleForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ui_->TrellAutoSize1->Sizechanged();
}
