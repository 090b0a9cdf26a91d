#pragma once
/// \file
/// TrellAutoSize keeps a form's layout proportional to the form's size: dropped on a
/// form, it records the layout once and, on every resize, rescales the position, size
/// and font size of every other control on that form.
///
/// \code
/// // In the form's constructor, after its controls exist:
/// auto* autoSize = new TrellAutoSize(this);
/// autoSize->setObjectName(QStringLiteral("TrellAutoSize1"));
/// autoSize->Init();
///
/// // In the form's resizeEvent():
/// autoSize->Sizechanged();
/// \endcode

#include "trellauto/trellauto_export.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace trellauto {
class PropertyBag;
} // namespace trellauto

class TrellAutoSizePrivate;

/// \class TrellAutoSize
/// The form is the root of the designed form that the control sits in: from the control's
/// parent upwards through the form's own containers (group boxes, frames, plain widgets,
/// the pages of tab, stacked and toolbox widgets, scroll-area contents), stopping at a
/// window, at a main window's central widget, at the content of a dock or an MDI
/// subwindow, at a widget that its parent's layout places, and at the root of a .ui form
/// (a class of its own, or the window title that uic gives every form's root), so a form
/// set into a scroll area, a tab page, a dock, an MDI subwindow or another window rescales
/// only its own controls. A control parented to a QMainWindow takes its central widget.
///
/// The form's controls are the widgets placed on it and inside its containers, never the
/// private children of a composite widget such as a combo box's line edit; the pages
/// themselves are placed by their containers. Siblings keep the order in which the control
/// first met them (their creation order), so raise() or a moved tab changes nothing; only
/// adding or removing controls needs a new Init(). A widget that a layout or a splitter
/// places keeps the geometry its layout gives it: the control scales its font only. The
/// content of an MDI subwindow is a form of its own, left to a TrellAutoSize inside it, so
/// it follows its own subwindow. Fonts set in points or in
/// pixels, by setFont() or by a style sheet, are scaled alike.
///
/// The control's own size is held at 500 x 500 twips (15 twips a pixel), and it is hidden
/// at run time; it still counts among the form's controls and is moved with them.
///
/// Limits: only the first 501 controls of a form are rescaled, and two TrellAutoSize on
/// one form both run, in no defined order. Either prints one warning (qWarning) per control.
class TRELLAUTO_EXPORT TrellAutoSize : public QWidget {
    Q_OBJECT
    /// The control's own enabled state; it has no influence on rescaling.
    Q_PROPERTY(bool Enabled READ isControlEnabled WRITE setControlEnabled NOTIFY enabledChanged)
    /// Whether Sizechanged rescales font sizes (to the form's height).
    Q_PROPERTY(bool SizeFonts READ sizeFonts WRITE setSizeFonts NOTIFY sizeFontsChanged)
    /// Whether Sizechanged rescales widths. Left positions follow the form either way.
    Q_PROPERTY(bool SizeWidth READ sizeWidth WRITE setSizeWidth NOTIFY sizeWidthChanged)
    /// Whether Sizechanged rescales heights. Top positions follow the form either way.
    Q_PROPERTY(bool SizeHeight READ sizeHeight WRITE setSizeHeight NOTIFY sizeHeightChanged)
    /// Names of controls that keep their size and font (they are still moved), each
    /// followed by ';', compared without regard to case. Default "TrellAutoSize1;".
    Q_PROPERTY(QString Ignore READ ignore WRITE setIgnore NOTIFY ignoreChanged)

public:
    /// "TrellAutoSize1;", the value of Ignore in a new instance.
    static QString defaultIgnore();

    explicit TrellAutoSize(QWidget* parent = nullptr);
    ~TrellAutoSize() override;

    /// Records the form's layout as it is now. Call it once when the form has loaded,
    /// before anything changes a control, and again after adding or removing controls.
    Q_INVOKABLE void Init();

    /// Rescales the form's controls to the form's current size from the layout of the
    /// last Init. Does nothing before the first Init. Call it on every resize.
    Q_INVOKABLE void Sizechanged();

    bool isControlEnabled() const;
    void setControlEnabled(bool enabled);
    bool sizeFonts() const;
    void setSizeFonts(bool on);
    bool sizeWidth() const;
    void setSizeWidth(bool on);
    bool sizeHeight() const;
    void setSizeHeight(bool on);
    QString ignore() const;
    void setIgnore(const QString& names);

    // Saved properties: keys "Enabled", "SizeFonts", "SizeWidth", "SizeHeight",
    // "Ignore", in this order. A failing store or a value that cannot be converted
    // stops at that key and returns false with the reason; a missing key reads as its
    // default. Reading emits the notify signal of each value that changes, but no
    // propertyChanged: nothing saved has changed.
    void initProperties();
    bool readProperties(trellauto::PropertyBag& store, QString* error = nullptr);
    bool writeProperties(trellauto::PropertyBag& store, QString* error = nullptr) const;

    /// Shows the control with a face of its own, as in a form designer.
    void setDesignMode(bool on);
    bool isDesignMode() const;

    QSize sizeHint() const override;

signals:
    // The notify signals come only when the value changes; propertyChanged with every put.
    void enabledChanged(bool enabled);
    void sizeFontsChanged(bool on);
    void sizeWidthChanged(bool on);
    void sizeHeightChanged(bool on);
    void ignoreChanged(const QString& names);
    /// Once for every property put, with the property's name: a saved value changed.
    void propertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY_MOVE(TrellAutoSize)
    std::unique_ptr<TrellAutoSizePrivate> d;
};
