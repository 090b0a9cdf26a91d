// Design time: the Designer plugin, and the control's properties saved in a .ui form
// and read back by QUiLoader, which creates the control through that same plugin.

#include "trellauto/trell_auto_size.h"

#include <QBuffer>
#include <QFormBuilder>
#include <QPluginLoader>
#include <QPushButton>
#include <QRegularExpression>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

namespace {

const QString kDesignerPluginDir = QStringLiteral(TRELLAUTO_PLUGIN_ROOT "/designer");

TEST(DesignerPlugin, PutsTheControlInTheWidgetBox)
{
    QPluginLoader loader(kDesignerPluginDir + QStringLiteral("/libTrellAutoDesigner.so"));
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    EXPECT_TRUE(plugin->domXml().contains(QLatin1String("name=\"TrellAutoSize1\"")))
        << "dropped on a form, it bears the name that the default Ignore exempts";
    EXPECT_TRUE(plugin->icon().availableSizes().contains(QSize(16, 15)));
}

TEST(UiForm, SavedFormLoadsAgainWithItsPropertiesAndSizechangedUsesThem)
{
    QWidget form;
    form.setObjectName(QStringLiteral("Bramlow"));
    form.resize(600, 450);
    auto* button = new QPushButton(QStringLiteral("Ende"), &form);
    button->setObjectName(QStringLiteral("ende"));
    button->setGeometry(400, 20, 90, 40);
    auto* control = new TrellAutoSize(&form);
    control->setObjectName(QStringLiteral("TrellAutoSize1"));
    control->move(100, 0);
    control->setControlEnabled(false);
    control->setSizeWidth(false);
    control->setSizeFonts(false);
    control->setIgnore(QStringLiteral("Größe;TrellAutoSize1;"));

    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    QFormBuilder().save(&saved, &form);
    // Qt's own "enabled" would disable the loaded control too; only "Enabled" may do it.
    QString ui = QString::fromUtf8(saved.data());
    ui.remove(QRegularExpression(QStringLiteral(R"(<property name="enabled">\s*<bool>false</bool>\s*</property>)")));

    QBuffer buffer;
    buffer.setData(ui.toUtf8());
    buffer.open(QIODevice::ReadOnly);
    QUiLoader uiLoader;
    uiLoader.addPluginPath(kDesignerPluginDir);
    const std::unique_ptr<QWidget> loaded(uiLoader.load(&buffer));
    ASSERT_NE(loaded, nullptr) << uiLoader.errorString().toStdString();
    auto* again = loaded->findChild<TrellAutoSize*>(QStringLiteral("TrellAutoSize1"));
    auto* ende = loaded->findChild<QPushButton*>(QStringLiteral("ende"));
    ASSERT_TRUE(again && ende) << ui.toStdString();
    EXPECT_FALSE(again->isControlEnabled());
    EXPECT_FALSE(again->sizeWidth());
    EXPECT_FALSE(again->sizeFonts());
    EXPECT_TRUE(again->sizeHeight());
    EXPECT_EQ(again->ignore(), QStringLiteral("Größe;TrellAutoSize1;"));

    again->Init();
    loaded->resize(1200, 900);
    again->Sizechanged();
    EXPECT_EQ(ende->geometry(), QRect(800, 40, 90, 80)) << "only the height follows";
    EXPECT_EQ(ende->font(), button->font());
    EXPECT_EQ(again->pos(), QPoint(200, 0));
}

} // namespace
