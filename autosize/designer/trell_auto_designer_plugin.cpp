#include "trell_auto_designer_plugin.h"

#include "trellauto/trell_auto_size.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

// The toolbox picture, 16 x 15: a small form with an arrow pulling its corner out.
QPixmap toolboxPicture()
{
    QPixmap picture(16, 15);
    picture.fill(QColor(192, 192, 192));
    QPainter painter(&picture);
    painter.setPen(QColor(0, 0, 128));
    painter.fillRect(1, 1, 9, 8, Qt::white);
    painter.drawRect(1, 1, 9, 8);
    painter.fillRect(1, 1, 10, 2, QColor(0, 0, 128));
    painter.setPen(QColor(128, 0, 0));
    painter.drawLine(7, 7, 14, 13);
    painter.drawLine(14, 13, 10, 13);
    painter.drawLine(14, 13, 14, 9);
    return picture;
}

} // namespace

TrellAutoDesignerPlugin::TrellAutoDesignerPlugin(QObject* parent)
    : QObject(parent)
{
}

QString TrellAutoDesignerPlugin::name() const
{
    return QStringLiteral("TrellAutoSize");
}

QString TrellAutoDesignerPlugin::group() const
{
    return QStringLiteral("Trell AutoSize");
}

QString TrellAutoDesignerPlugin::toolTip() const
{
    return QStringLiteral("Keeps the form's layout proportional when the form is resized");
}

QString TrellAutoDesignerPlugin::whatsThis() const
{
    return QStringLiteral("Place \"Init\" in the Form.Load Then \"Sizechanged\" in the Resize");
}

QString TrellAutoDesignerPlugin::includeFile() const
{
    return QStringLiteral("trellauto/trell_auto_size.h");
}

QIcon TrellAutoDesignerPlugin::icon() const
{
    return QIcon(toolboxPicture());
}

bool TrellAutoDesignerPlugin::isContainer() const
{
    return false;
}

QString TrellAutoDesignerPlugin::domXml() const
{
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"TrellAutoSize\" name=\"TrellAutoSize1\">\n"
        "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>33</width>"
        "<height>33</height></rect></property>\n"
        " </widget>\n"
        // Ignore holds control names, no text for translators: uic sets it in setupUi,
        // not in retranslateUi.
        " <customwidgets><customwidget><class>TrellAutoSize</class>"
        "<propertyspecifications>"
        "<stringpropertyspecification name=\"Ignore\" notr=\"true\" type=\"singleline\"/>"
        "</propertyspecifications></customwidget></customwidgets>\n"
        "</ui>\n");
}

bool TrellAutoDesignerPlugin::isInitialized() const
{
    return core_ != nullptr;
}

void TrellAutoDesignerPlugin::initialize(QDesignerFormEditorInterface* core)
{
    core_ = core;
}

QWidget* TrellAutoDesignerPlugin::createWidget(QWidget* parent)
{
    auto* control = new TrellAutoSize(parent);
    control->initProperties();
    if (core_)
        control->setDesignMode(true);
    return control;
}
