#pragma once
// Puts TrellAutoSize into Qt Designer's widget box. QUiLoader loads the same plugin
// to create the control from a .ui form at run time.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TrellAutoDesignerPlugin final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface" FILE
                      "trellauto_designer.json")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit TrellAutoDesignerPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QString domXml() const override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    // Designer initialises its plugins with its core first, so a control made after
    // that is a design-time control with a face; a form loader never initialises it
    // and gets the invisible run-time control.
    QWidget* createWidget(QWidget* parent) override;

private:
    QDesignerFormEditorInterface* core_ = nullptr;
};
