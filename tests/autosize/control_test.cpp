// The control on real widgets: its five properties in a store and in a .ui form that
// QUiLoader reads back through the Designer plugin, their effect at Sizechanged, the
// library loaded as a host loads it, calling the control by dispatch identifier, and
// Designer forms with every standard widget, compiled by uic.

#include "trellauto/control_factory.h"
#include "trellauto/property_bag.h"
#include "trellauto/trell_auto_size.h"
#include "ui_buttons_and_views.h"
#include "ui_containers.h"
#include "ui_inputs_and_display.h"
#include "ui_large_form.h"

#include <QBuffer>
#include <QDomDocument>
#include <QFormBuilder>
#include <QPluginLoader>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QUiLoader>

#include <gtest/gtest.h>

namespace {

const char* const kKeys[] = {"Enabled", "SizeFonts", "SizeWidth", "SizeHeight", "Ignore"};
const QVariantList kChanged{false, false, false, false, QStringLiteral("x;")}; // no default among them
const QVariant kOne = QVariant::fromValue(qint16(1)); // the switches' default, not the Boolean true
const QVariantList kDefaults{true, kOne, kOne, kOne, QStringLiteral("TrellAutoSize1;")};

// A store that records every write; it has nothing to read.
struct RecordingStore final : trellauto::PropertyBag {
    QList<std::tuple<QString, QVariant, QVariant>> written; // key, value, default

    bool readProperty(const QString&, const QVariant&, QVariant&, QString&) override { return false; }
    bool writeProperty(const QString& key, const QVariant& value, const QVariant& defaultValue, QString&) override
    {
        written.append({key, value, defaultValue});
        return true;
    }
};

// The five keys are saved in order with their defaults and read into a new instance, which
// signals every value that differs from its own; each put notifies, even of the same value.
// Saved in a .ui form, they are loaded again by QUiLoader through the Designer plugin.
TEST(ControlProperties, SavedInAStoreAndAUiFormAndReadBackWithChangeSignals)
{
    QWidget form;
    auto* saved = new TrellAutoSize(&form);
    for (int i = 0; i < 5; ++i)
        saved->setProperty(kKeys[i], kChanged[i]);
    RecordingStore recorded;
    ASSERT_TRUE(saved->writeProperties(recorded));
    ASSERT_EQ(recorded.written.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const auto& [key, value, defaultValue] = recorded.written[i];
        EXPECT_TRUE(key == QLatin1String(kKeys[i]) && value == kChanged[i] && defaultValue == kDefaults[i]) << i;
        EXPECT_EQ(defaultValue.metaType(), kDefaults[i].metaType()) << key.toStdString();
    }

    trellauto::VariantPropertyBag store;
    ASSERT_TRUE(saved->writeProperties(store));
    TrellAutoSize control;
    QSignalSpy enabled(&control, &TrellAutoSize::enabledChanged), fonts(&control, &TrellAutoSize::sizeFontsChanged),
        width(&control, &TrellAutoSize::sizeWidthChanged), height(&control, &TrellAutoSize::sizeHeightChanged),
        ignore(&control, &TrellAutoSize::ignoreChanged), put(&control, &TrellAutoSize::propertyChanged);
    ASSERT_TRUE(control.readProperties(store));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(control.property(kKeys[i]), kChanged[i]) << kKeys[i];
        control.setProperty(kKeys[i], kChanged[i]);
        EXPECT_EQ(put.value(i).value(0).toString(), QLatin1String(kKeys[i]));
    }
    for (const QSignalSpy* spy : {&enabled, &fonts, &width, &height, &ignore})
        EXPECT_EQ(spy->count(), 2) << "read, then put: " << spy->signal().toStdString();

    // Reading stops at a value that does not convert.
    QString error;
    store = trellauto::VariantPropertyBag({{QStringLiteral("SizeWidth"), QStringLiteral("vielleicht")}});
    EXPECT_FALSE(control.readProperties(store, &error));
    EXPECT_TRUE(error.contains(QLatin1String("SizeWidth"))) << error.toStdString();
    EXPECT_TRUE(control.sizeFonts() && !control.sizeWidth() && !control.sizeHeight()) << "read up to SizeWidth";

    QBuffer ui;
    ui.open(QIODevice::WriteOnly);
    QFormBuilder().save(&ui, &form);
    // Qt's own "enabled" would disable the loaded control too; only "Enabled" may do it.
    const QRegularExpression qtEnabled(
        QStringLiteral(R"(<property name="enabled">\s*<bool>false</bool>\s*</property>)"));
    ui.setData(QString::fromUtf8(ui.data()).remove(qtEnabled).toUtf8());
    ui.close();
    ui.open(QIODevice::ReadOnly);
    QUiLoader uiLoader;
    uiLoader.addPluginPath(QStringLiteral(TRELLAUTO_PLUGIN_ROOT "/designer"));
    const std::unique_ptr<QWidget> loaded(uiLoader.load(&ui));
    auto* again = loaded ? loaded->findChild<TrellAutoSize*>() : nullptr;
    ASSERT_NE(again, nullptr) << ui.data().toStdString();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(again->property(kKeys[i]), kChanged[i]) << kKeys[i];
}

using trellauto::DispatchKind;
namespace dispid = trellauto::dispid;

// One instance loaded from the program's directory for the whole run, like the game's main window.
TrellControlFactory& factory()
{
    static QPluginLoader loader(QStringLiteral(TRELLAUTO_PROGRAM_DIR "/libTrellAuto.so"));
    auto* instance = qobject_cast<TrellControlFactory*>(loader.instance());
    if (!instance)
        throw std::runtime_error(loader.errorString().toStdString());
    return *instance;
}

// Controls are made by programmatic name on a form only, and called by dispatch identifier: a
// put takes effect at the next Sizechanged, a failed call changes nothing. A button at (400, 20,
// 90, 40) with a 12 point font and the control at (480, 0) are on a form of 600 x 450 pixels
// that grows to 1200 x 914 after Init; fonts are rounded to hundredths of a point. Each row: the
// call and its arguments, whether it succeeds, and the button's geometry and font afterwards.
TEST(Plugin, CallsTheControlByDispatchIdentifierAndItsSettingsTakeEffectAtSizechanged)
{
    EXPECT_EQ(factory().createControl(QStringLiteral("TrellAuto.TrellAutoSize"), nullptr), nullptr) << "no form";

    const QRect allOn{800, 41, 180, 81};
    const std::tuple<const char*, qint32, DispatchKind, QVariantList, bool, QRect, double> cases[] = {
        {"SizeWidth put False as 0", dispid::SizeWidth, DispatchKind::PropertyPut, {0}, true, {800, 41, 90, 81}, 24.37},
        {"SizeHeight False", dispid::SizeHeight, DispatchKind::PropertyPut, {false}, true, {800, 41, 180, 40}, 24.37},
        {"SizeFonts put 0", dispid::SizeFonts, DispatchKind::PropertyPut, {0}, true, allOn, 12},
        {"SizeFonts put True as -1", dispid::SizeFonts, DispatchKind::PropertyPut, {-1}, true, allOn, 24.37},
        {"Enabled put 0: no influence", dispid::Enabled, DispatchKind::PropertyPut, {0}, true, allOn, 24.37},
        {"Ignore put in other case", dispid::Ignore, DispatchKind::PropertyPut, {"WÜRFEL_BUT;trellautosize1;"}, true,
         {800, 41, 90, 40}, 12},
        {"unknown identifier", 0x60030006, DispatchKind::Method, {}, false, allOn, 24.37},
        {"Init called as a property", dispid::Init, DispatchKind::PropertyGet, {}, false, allOn, 24.37},
        {"put without its value", dispid::SizeWidth, DispatchKind::PropertyPut, {}, false, allOn, 24.37},
        {"SizeWidth put a word", dispid::SizeWidth, DispatchKind::PropertyPut, {"ja"}, false, allOn, 24.37},
    };
    for (const auto& [name, dispId, kind, args, ok, buttonGeometry, buttonFont] : cases) {
        SCOPED_TRACE(name);
        QWidget form;
        form.resize(600, 450);
        QPushButton button(QStringLiteral("würfeln"), &form);
        button.setObjectName(QStringLiteral("Würfel_but"));
        button.setGeometry(400, 20, 90, 40);
        button.setFont(QFont(button.font().family(), 12));
        QWidget* control = factory().createControl(QStringLiteral("trellauto.TRELLAUTOSIZE"), &form); // any case
        ASSERT_NE(control, nullptr);
        control->setObjectName(QStringLiteral("TrellAutoSize1"));
        control->move(480, 0);
        ASSERT_TRUE(factory().invoke(control, dispid::Init, DispatchKind::Method).ok);
        const trellauto::DispatchResult result = factory().invoke(control, dispId, kind, args);
        EXPECT_TRUE(result.ok == ok && result.error.isEmpty() == ok) << result.error.toStdString();
        EXPECT_FALSE(result.value.isValid()) << "methods, puts and failures return an empty variant";
        form.resize(1200, 914);
        ASSERT_TRUE(factory().invoke(control, dispid::Sizechanged, DispatchKind::Method).ok);
        EXPECT_EQ(button.geometry(), buttonGeometry);
        EXPECT_EQ(button.font().pointSizeF(), buttonFont);
        EXPECT_EQ(control->geometry(), QRect(960, 0, 33, 33)) << "ignored: moved, not resized";
    }
    QWidget stranger;
    EXPECT_FALSE(factory().invoke(&stranger, dispid::Init, DispatchKind::Method).ok) << "a widget not made here";
}

// The widgets that a .ui file places by hand: every widget but the form itself and the pages of
// containers (a main window's central widget is one). Designer's word, not the control's.
QSet<QString> placedWidgets(const QString& uiFile)
{
    static const QStringList paged{"QMainWindow", "QTabWidget", "QStackedWidget", "QToolBox",
                                   "QScrollArea", "QMdiArea",    "QDockWidget"};
    QFile file(QStringLiteral(TRELLAUTO_FORMS_DIR "/") + uiFile);
    QDomDocument ui;
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && ui.setContent(&file)) << uiFile.toStdString();
    QSet<QString> placed;
    const QDomNodeList widgets = ui.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.size(); ++i) {
        QDomElement owner = widgets.at(i).parentNode().toElement(); // perhaps a <layout> or an <item>
        while (!owner.isNull() && owner.tagName() != u"widget")
            owner = owner.parentNode().toElement();
        if (!owner.isNull() && !paged.contains(owner.attribute(QStringLiteral("class"))))
            placed.insert(widgets.at(i).toElement().attribute(QStringLiteral("name")));
    }
    return placed;
}

template <typename Ui, typename Root = QWidget>
QWidget* build()
{
    auto* root = new Root;
    Ui().setupUi(root);
    return root;
}

// As the algorithm computes it: a ratio of twips taken at Init, times the form's size now.
int scaled(int designed, int designedForm, int form)
{
    return qRound(designed * 15.0 / (designedForm * 15.0) * (form * 15.0) / 15.0);
}

// Each form at twice, half and an odd size, then at its designed size again, beside a twin whose
// placed widgets are set to what the algorithm computes directly: every widget of both must agree,
// so nothing but the placed widgets is rescaled. Back at the designed size the twin's placed widgets
// hold their design again, so the design must come back exactly. The control sits on the form, in a
// group box, and on a main window's central widget as in the game.
TEST(DesignedForms, EveryPlacedWidgetAndNothingElseFollowsTheFormAndTheDesignComesBackExactly)
{
    const std::pair<QString, QWidget* (*)()> forms[] = {
        {"buttons_and_views.ui", build<Ui::ButtonsAndViews>},
        {"containers.ui", build<Ui::Containers>},
        {"inputs_and_display.ui", build<Ui::InputsAndDisplay, QMainWindow>},
        {"large_form.ui", build<Ui::LargeForm>},
    };
    for (const auto& [file, build] : forms) {
        SCOPED_TRACE(file.toStdString());
        const QSet<QString> placed = placedWidgets(file);
        const std::unique_ptr<QWidget> window(build()), twin(build());
        auto* mainWindow = qobject_cast<QMainWindow*>(window.get());
        QWidget* form = mainWindow ? mainWindow->centralWidget() : window.get();
        window->show();
        twin->show();
        // Every widget but popups, in the same order in both windows.
        QWidgetList got = window->findChildren<QWidget*>(), want = twin->findChildren<QWidget*>();
        for (QWidgetList* widgets : {&got, &want})
            widgets->removeIf([](QWidget* w) { return w->isWindow(); });
        ASSERT_EQ(got.size(), want.size());
        QList<std::pair<QRect, QFont>> designed;
        for (QWidget* w : got)
            designed.append({w->geometry(), w->font()});
        auto* autoSize = window->findChild<TrellAutoSize*>();
        autoSize->Init();
        const QSize size = form->size();
        for (QSize target : {size * 2, size / 2, QSize(size.width() * 4 / 3 + 1, size.height() * 3 / 4 - 1), size}) {
            const QSize step = target - form->size(); // the twin is the same window
            for (QWidget* w : {window.get(), twin.get()})
                w->resize(w->size() + step);
            QCoreApplication::processEvents();
            autoSize->Sizechanged();
            for (qsizetype i = 0; i < got.size(); ++i) {
                const auto& [geometry, designedFont] = designed[i];
                if (!placed.contains(got[i]->objectName()))
                    continue;
                const bool kept = got[i] == autoSize; // the default Ignore
                want[i]->setGeometry(scaled(geometry.x(), size.width(), form->width()),
                                     scaled(geometry.y(), size.height(), form->height()),
                                     kept ? geometry.width() : scaled(geometry.width(), size.width(), form->width()),
                                     kept ? geometry.height() : scaled(geometry.height(), size.height(), form->height()));
                QFont font = designedFont;
                const double points = font.pointSizeF() / (size.height() * 15.0) * (form->height() * 15.0);
                if (points > 0 && !kept) {
                    font.setPointSizeF(std::round(points * 100.0) / 100.0);
                    want[i]->setFont(font);
                }
            }
            QCoreApplication::processEvents();
            for (qsizetype i = 0; i < got.size(); ++i) {
                const std::string name = got[i]->objectName().toStdString() + " " + got[i]->metaObject()->className();
                if (!placed.contains(got[i]->objectName()) && !got[i]->isVisible())
                    continue; // a hidden inner widget keeps whatever geometry its owner gave it last
                EXPECT_EQ(got[i]->geometry(), want[i]->geometry()) << name;
                EXPECT_EQ(got[i]->font(), want[i]->font()) << name;
            }
        }
    }
}

// A control whose resize handler does what the case needs.
struct Hostile final : QWidget {
    using QWidget::QWidget;
    std::function<void()> onResize = [] {};
    void resizeEvent(QResizeEvent*) override { onResize(); }
};

// A handler that throws costs no other control a step and ends nothing, even on the last control;
// one that deletes the auto-size control stops the run before the next control. Of the three
// controls after the auto-size control, the first and the last are hostile.
TEST(DesignedForms, AThrowingHandlerCostsNoOtherControlAStepAndADeletedControlStopsTheRun)
{
    const QRect designed[] = {{10, 10, 20, 20}, {0, 50, 40, 40}, {60, 0, 20, 20}};
    for (const bool deletes : {false, true}) {
        SCOPED_TRACE(deletes ? "the handler deletes the control" : "the handler throws");
        QWidget form;
        form.resize(100, 100);
        QPointer<TrellAutoSize> autoSize = new TrellAutoSize(&form);
        std::vector<Hostile*> controls;
        for (const QRect& geometry : designed) {
            controls.push_back(new Hostile(&form));
            controls.back()->setGeometry(geometry);
        }
        form.show();
        autoSize->Init();
        for (Hostile* hostile : {controls.front(), controls.back()})
            hostile->onResize = [&] {
                if (!deletes)
                    throw std::runtime_error("refused");
                delete autoSize;
            };
        form.resize(200, 200);
        autoSize->Sizechanged();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const QRect doubled(designed[i].topLeft() * 2, designed[i].size() * 2);
            EXPECT_EQ(controls[i]->geometry(), deletes && i > 0 ? designed[i] : doubled) << "control " << i;
        }
        EXPECT_EQ(autoSize.isNull(), deletes);
    }
}

} // namespace
