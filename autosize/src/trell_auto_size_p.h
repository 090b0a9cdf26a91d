#pragma once
// The state behind TrellAutoSize's d-pointer: settings, the layout table and what the last
// walk found about the form, kept until the form's children change.

#include "form_walk.h"
#include "trellauto/layout_table.h"

#include <QObject>
#include <QString>

#include <memory>

class TrellAutoSize;

class TrellAutoSizePrivate final : public QObject {
public:
    explicit TrellAutoSizePrivate(TrellAutoSize* control);
    ~TrellAutoSizePrivate() override;

    // The form's controls: walked again when `fresh`, when the form is another one, or
    // when a child was added to or removed from one of the containers of the last walk.
    std::shared_ptr<const trellauto::FormControls> controls(bool fresh);

    bool eventFilter(QObject* watched, QEvent* event) override;

    TrellAutoSize* const control;
    trellauto::LayoutTable layout;
    bool sizeFonts = true;
    bool sizeWidth = true;
    bool sizeHeight = true;
    QString ignore;
    bool designMode = false;

private:
    void unwatch();
    void warnAboutLimits(const trellauto::FormControls& found);

    std::shared_ptr<const trellauto::FormControls> list_;
    trellauto::FirstSight order_;
    bool warnedRows_ = false;
    bool warnedTwins_ = false;
};
