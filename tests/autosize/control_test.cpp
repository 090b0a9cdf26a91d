// The control on real widgets: its five properties in a store and in a .ui form that
// QUiLoader reads back through the Designer plugin, their effect at Sizechanged, the
// library loaded as a host loads it, calling the control by dispatch identifier, and
// Designer forms with every standard widget, compiled by uic.

#include "trellauto/control_factory.h"
#include "trellauto/property_bag.h"
#include "trellauto/trell_auto_size.h"
#include "ui_buttons_and_views.h"
#include "ui_containers.h"
#include "ui_embedded_form.h"
#include "ui_inputs_and_display.h"
#include "ui_large_form.h"
#include "ui_mdi_form.h"
#include "ui_mixed_layout_form.h"
#include "ui_splitter_form.h"
#include "ui_vertical_layout_form.h"

#include <QBuffer>
#include <QDockWidget>
#include <QDomDocument>
#include <QFormBuilder>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTabBar>
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
// signals every value that differs from its own; each put notifies the host, even of the same
// value, but a notify signal comes only with a change.
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
        EXPECT_EQ(spy->count(), 1) << "read; a put of the same value changes nothing: " << spy->signal().toStdString();

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

// What the control does to a widget of a .ui form, read from the .ui file: a placed widget
// follows the form, one that a layout or a splitter places keeps its geometry but not its font,
// and one in an MDI subwindow is its own form's business. Pages, a main window's bars and docks and
// whatever is not on the form are not controls. Designer's word, not the control's.
enum class Rule { Placed, FontOnly, Kept };

void readRules(const QDomElement& parent, Rule rule, QHash<QString, Rule>& rules)
{
    static const QStringList paged{"QMainWindow", "QTabWidget", "QStackedWidget", "QToolBox", "QScrollArea", "QDockWidget", "QMdiArea"};
    const QString container = parent.attribute(QStringLiteral("class"));
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString name = e.attribute(QStringLiteral("name"));
        const bool layout = e.tagName() == u"layout" || (e.tagName() == u"widget" && container == u"QSplitter");
        const Rule inner = layout && rule == Rule::Placed ? Rule::FontOnly : rule;
        if (e.tagName() == u"widget" && container == u"QMainWindow" && name != u"centralwidget")
            continue; // the main window's bars and docks
        if (e.tagName() == u"widget" && !paged.contains(container))
            rules.insert(name, inner);
        readRules(e, container == u"QMdiArea" ? Rule::Kept : e.tagName() == u"widget" ? rule : inner, rules);
    }
}

QHash<QString, Rule> rulesOf(const QString& uiFile)
{
    QFile file(QStringLiteral(TRELLAUTO_FORMS_DIR "/") + uiFile);
    QDomDocument ui;
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && ui.setContent(&file)) << uiFile.toStdString();
    QHash<QString, Rule> rules;
    readRules(ui.documentElement().firstChildElement(QStringLiteral("widget")), Rule::Placed, rules);
    return rules;
}

template <typename Ui, typename Root = QWidget>
QWidget* build()
{
    auto* root = new Root;
    Ui().setupUi(root);
    return root;
}

// Where applications put a .ui form: each returns the window that holds it.
QWidget* alone(QWidget* form) { return form; }
QWidget* inScrollArea(QWidget* form) { auto* area = new QScrollArea; area->setWidgetResizable(true); area->setWidget(form); return area; }
QWidget* asTabPage(QWidget* form) { auto* tabs = new QTabWidget; tabs->addTab(form, "Formular"); tabs->addTab(new QLabel, "Anderes"); return tabs; }
QWidget* inMdiSubWindow(QWidget* form) { auto* area = new QMdiArea; area->resize(form->size() * 3); area->addSubWindow(form)->resize(form->size() + QSize(20, 40)); return area; }
QWidget* asDock(QWidget* form) { auto* window = new QMainWindow; window->setCentralWidget(new QLabel); auto* dock = new QDockWidget; dock->setWidget(form); window->addDockWidget(Qt::LeftDockWidgetArea, dock); return window; }
QWidget* inAnotherWindow(QWidget* form) { auto* window = new QWidget; (new QLabel("Gastgeber", window))->setGeometry(5, 5, 80, 20); form->setParent(window); form->move(100, 40); return window; }
QWidget* controlOnTheMainWindow(QWidget* root) { root->findChild<TrellAutoSize*>()->setParent(root); return root; }

// As the algorithm computes it: a ratio of twips taken at Init, times the form's size now.
int scaled(int designed, int designedForm, int form)
{
    return qRound(designed * 15.0 / (designedForm * 15.0) * (form * 15.0) / 15.0);
}

QFont scaledFont(QFont font, int designedHeight, int height)
{
    const bool pixels = font.pixelSize() > 0;
    const double size = (pixels ? font.pixelSize() : font.pointSizeF()) / (designedHeight * 15.0) * (height * 15.0);
    pixels ? font.setPixelSize(int(std::lround(size))) : font.setPointSizeF(std::round(size * 100.0) / 100.0);
    return font;
}

// Calls Sizechanged from the form's resize, as the form's resizeEvent() would.
struct ResizeHandler final : QObject {
    TrellAutoSize* control = nullptr;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Resize && (control->Sizechanged(), false); }
};

// Each form, where applications put .ui forms, at twice, half, twice as wide and an odd size,
// then at its designed size again, beside a twin whose controls are set to what the algorithm
// computes directly: every widget of both windows must agree, so nothing outside the form moves
// and a layout keeps its geometry; back at the designed size the design must come back exactly.
// What the row does after Init (raise(), moving a tab) must change nothing.
TEST(DesignedForms, EveryControlFollowsItsFormWhereverTheFormIsPutAndNothingElseMoves)
{
    using Build = QWidget* (*)();
    const auto nothing = [](QWidget*) {};
    const std::tuple<const char*, QString, Build, QWidget* (*)(QWidget*), std::function<void(QWidget*)>> cases[] = {
        {"all buttons and views", "buttons_and_views.ui", build<Ui::ButtonsAndViews>, alone, nothing},
        {"containers, a raised control and a moved tab", "containers.ui", build<Ui::Containers>, alone,
         [](QWidget* form) {
             form->findChild<QWidget*>(QStringLiteral("nameLabel"))->raise();
             form->findChild<QTabWidget*>()->tabBar()->moveTab(0, 1);
             new QMenu(form); // a popup of the form: no control, but the form's children changed
         }},
        {"inputs on a main window's central widget", "inputs_and_display.ui", build<Ui::InputsAndDisplay, QMainWindow>,
         alone, nothing},
        {"control parented to the main window", "inputs_and_display.ui", build<Ui::InputsAndDisplay, QMainWindow>,
         controlOnTheMainWindow, nothing},
        {"424 controls", "large_form.ui", build<Ui::LargeForm>, alone, nothing},
        {"pixel and style sheet fonts", "embedded_form.ui", build<Ui::EmbeddedForm>, alone, nothing},
        {"in a scroll area", "embedded_form.ui", build<Ui::EmbeddedForm>, inScrollArea, nothing},
        {"a tab page", "embedded_form.ui", build<Ui::EmbeddedForm>, asTabPage, nothing},
        {"an MDI subwindow", "embedded_form.ui", build<Ui::EmbeddedForm>, inMdiSubWindow, nothing},
        {"a dock", "embedded_form.ui", build<Ui::EmbeddedForm>, asDock, nothing},
        {"placed by hand in another window", "embedded_form.ui", build<Ui::EmbeddedForm>, inAnotherWindow, nothing},
        {"a grid layout in a group box", "mixed_layout_form.ui", build<Ui::MixedLayoutForm>, alone, nothing},
        {"a vertical layout", "vertical_layout_form.ui", build<Ui::VerticalLayoutForm>, alone, nothing},
        {"a splitter", "splitter_form.ui", build<Ui::SplitterForm>, alone, nothing},
        {"an MDI area on the form", "mdi_form.ui", build<Ui::MdiForm>, alone, nothing},
    };
    for (const auto& [name, file, build, host, afterInit] : cases) {
        SCOPED_TRACE(name);
        const QHash<QString, Rule> rules = rulesOf(file);
        QWidget *root = build(), *twinRoot = build();
        const std::unique_ptr<QWidget> window(host(root)), twin(host(twinRoot));
        const auto formOf = [](QWidget* root) { auto* main = qobject_cast<QMainWindow*>(root); return main ? main->centralWidget() : root; };
        QWidget* form = formOf(root);
        // Every widget but popups, in the same order in both windows.
        QWidgetList got = window->findChildren<QWidget*>(), want = twin->findChildren<QWidget*>();
        for (QWidgetList* widgets : {&got, &want})
            widgets->removeIf([](QWidget* w) { return w->isWindow(); });
        ASSERT_EQ(got.size(), want.size());
        QList<std::pair<QRect, QFont>> designed;
        for (QWidget* w : got) {
            w->ensurePolished(); // a style sheet's font arrives with polishing
            designed.append({w->geometry(), w->font()});
        }
        auto* autoSize = window->findChild<TrellAutoSize*>();
        autoSize->Init(); // in the form's constructor, before any layout has run
        const QSize size = form->size();
        ResizeHandler handler;
        handler.control = autoSize;
        form->installEventFilter(&handler);
        for (QWidget* w : {window.get(), twin.get()})
            w->show();
        QCoreApplication::processEvents();
        for (QWidget* w : {window.get(), twin.get()})
            afterInit(w);
        for (QSize target : {size * 2, size / 2, QSize(size.width() * 2, size.height()),
                             QSize(size.width() * 4 / 3 + 1, size.height() * 3 / 4 - 1), size}) {
            // Twice: a layout's minimum size follows its fonts, which the first pass changes.
            for (int pass = 0; pass < 2; ++pass) {
                for (const auto& [w, f] : {std::pair{window.get(), form}, std::pair{twin.get(), formOf(twinRoot)}}) {
                    w->resize(w->size() + target - f->size()); // the window, or else the form itself
                    QCoreApplication::processEvents();
                    if (f->size() != target)
                        f->resize(target);
                }
                autoSize->Sizechanged(); // as resizeEvent() calls it: after the form's layout ran
                for (qsizetype i = 0; i < got.size(); ++i) {
                    const auto& [geometry, designedFont] = designed[i];
                    const Rule rule = rules.value(got[i]->objectName(), Rule::Kept);
                    if (rule == Rule::Kept || (got[i] == autoSize && autoSize->parentWidget() == form->parentWidget()))
                        continue;
                    if (rule == Rule::Placed) {
                        const bool kept = got[i] == autoSize; // the default Ignore
                        want[i]->setGeometry(scaled(geometry.x(), size.width(), form->width()),
                                             scaled(geometry.y(), size.height(), form->height()),
                                             kept ? geometry.width() : scaled(geometry.width(), size.width(), form->width()),
                                             kept ? geometry.height() : scaled(geometry.height(), size.height(), form->height()));
                    }
                    if (got[i] != autoSize)
                        want[i]->setFont(scaledFont(designedFont, size.height(), form->height()));
                }
                QCoreApplication::processEvents();
            }
            for (qsizetype i = 0; i < got.size(); ++i) {
                const std::string name = got[i]->objectName().toStdString() + " " + got[i]->metaObject()->className();
                if (!rules.contains(got[i]->objectName()) && !got[i]->isVisible())
                    continue; // a hidden inner widget keeps whatever geometry its owner gave it last
                EXPECT_EQ(got[i]->geometry(), want[i]->geometry()) << name;
                // A style sheet's font size overrides the twin's setFont(): compare the sizes.
                const QFont wanted = rules.value(got[i]->objectName(), Rule::Kept) == Rule::Kept || got[i] == autoSize
                    ? want[i]->font() : scaledFont(designed[i].second, size.height(), form->height());
                EXPECT_TRUE(got[i]->font().pointSizeF() == wanted.pointSizeF() && got[i]->font().pixelSize() == wanted.pixelSize())
                    << name << " " << got[i]->font().toString().toStdString() << " want " << wanted.toString().toStdString();
            }
        }
        form->removeEventFilter(&handler);
    }
}

// Beyond the table's 501 rows, and beside a second TrellAutoSize, each control warns once of each.
TEST(DesignedForms, AFormBeyondTheTableOrWithTwoControlsWarnsOnceOfEach)
{
    QWidget form;
    form.resize(100, 100);
    TrellAutoSize* controls[] = {new TrellAutoSize(&form), new TrellAutoSize(&form)};
    for (int i = 0; i < 501; ++i) // 503 controls
        new QLabel(&form);
    static int warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString&) { warnings += type == QtWarningMsg; });
    for (TrellAutoSize* control : controls)
        control->Init();
    form.resize(200, 200);
    for (TrellAutoSize* control : {controls[0], controls[1], controls[0], controls[1]})
        control->Sizechanged();
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 4);
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
