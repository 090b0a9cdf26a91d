// Design time: the Designer plugin, and the control's properties saved in a .ui form
// and read back by QUiLoader, which creates the control through that same plugin.

#include "trellauto/trell_auto_size.h"

#include <QBuffer>
#include <QFormBuilder>
#include <QPluginLoader>
#include <QPushButton>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

namespace {

const QString kDesignerPluginDir = QStringLiteral(TRELLAUTO_PLUGIN_ROOT "/designer");

QUiLoader& uiLoader()
{
    static QUiLoader loader;
    static const bool once = [] {
        loader.addPluginPath(kDesignerPluginDir);
        return true;
    }();
    (void)once;
    return loader;
}

std::unique_ptr<QWidget> loadForm(const QByteArray& ui)
{
    QBuffer buffer;
    buffer.setData(ui);
    buffer.open(QIODevice::ReadOnly);
    return std::unique_ptr<QWidget>(uiLoader().load(&buffer));
}

// As Designer writes a form with the control dropped on it and four properties changed.
const QByteArray kChangedForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Bramlow</class>
 <widget class="QWidget" name="Bramlow">
  <property name="geometry"><rect><x>0</x><y>0</y><width>600</width><height>450</height></rect></property>
  <widget class="QPushButton" name="ende">
   <property name="geometry"><rect><x>400</x><y>20</y><width>90</width><height>40</height></rect></property>
  </widget>
  <widget class="TrellAutoSize" name="TrellAutoSize1">
   <property name="geometry"><rect><x>100</x><y>0</y><width>33</width><height>33</height></rect></property>
   <property name="Enabled"><bool>false</bool></property>
   <property name="SizeWidth"><bool>false</bool></property>
   <property name="SizeFonts"><bool>false</bool></property>
   <property name="Ignore"><string>ende;TrellAutoSize1;</string></property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget>
   <class>TrellAutoSize</class>
   <extends>QWidget</extends>
   <header>trellauto/trell_auto_size.h</header>
  </customwidget>
 </customwidgets>
 <resources/>
 <connections/>
</ui>
)";

TEST(DesignerPlugin, PutsTheControlInTheWidgetBox)
{
    QPluginLoader loader(kDesignerPluginDir + QStringLiteral("/libTrellAutoDesigner.so"));
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    EXPECT_EQ(plugin->name(), "TrellAutoSize");
    EXPECT_FALSE(plugin->isContainer());
    EXPECT_TRUE(plugin->domXml().contains(QLatin1String("name=\"TrellAutoSize1\"")));
    EXPECT_TRUE(plugin->icon().availableSizes().contains(QSize(16, 15)));

    QWidget form;
    auto* control = qobject_cast<TrellAutoSize*>(plugin->createWidget(&form));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), &form);
    EXPECT_FALSE(control->isDesignMode()) << "not initialised by Designer: a run-time control";
    EXPECT_EQ(control->ignore(), "TrellAutoSize1;");
}

TEST(UiForm, ChangedPropertiesAreReadBack)
{
    ASSERT_TRUE(uiLoader().availableWidgets().contains(QStringLiteral("TrellAutoSize")));
    const auto form = loadForm(kChangedForm);
    ASSERT_NE(form, nullptr) << uiLoader().errorString().toStdString();
    auto* control = form->findChild<TrellAutoSize*>(QStringLiteral("TrellAutoSize1"));
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(control->isControlEnabled());
    EXPECT_FALSE(control->sizeWidth());
    EXPECT_FALSE(control->sizeFonts());
    EXPECT_TRUE(control->sizeHeight());
    EXPECT_EQ(control->ignore(), "ende;TrellAutoSize1;");

    form->show();
    EXPECT_FALSE(control->isVisible()) << "invisible at run time";

    // The loaded settings are the ones Sizechanged uses.
    auto* ende = form->findChild<QPushButton*>(QStringLiteral("ende"));
    control->Init();
    form->resize(1200, 900);
    control->Sizechanged();
    EXPECT_EQ(ende->geometry(), QRect(800, 40, 90, 40));
    EXPECT_EQ(control->pos(), QPoint(200, 0));
}

TEST(UiForm, SavedFormLoadsAgainWithItsProperties)
{
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    form.resize(300, 200);
    auto* control = new TrellAutoSize(&form);
    control->setObjectName(QStringLiteral("TrellAutoSize1"));
    control->setSizeHeight(false);
    control->setIgnore(QStringLiteral("Größe;TrellAutoSize1;"));

    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    QFormBuilder builder;
    builder.save(&saved, &form);
    const QByteArray ui = saved.data();
    ASSERT_TRUE(ui.contains("SizeHeight")) << ui.toStdString();

    const auto loaded = loadForm(ui);
    ASSERT_NE(loaded, nullptr) << uiLoader().errorString().toStdString();
    auto* again = loaded->findChild<TrellAutoSize*>(QStringLiteral("TrellAutoSize1"));
    ASSERT_NE(again, nullptr) << ui.toStdString();
    EXPECT_FALSE(again->sizeHeight());
    EXPECT_TRUE(again->sizeWidth());
    EXPECT_EQ(again->ignore(), QStringLiteral("Größe;TrellAutoSize1;"));
}

} // namespace
