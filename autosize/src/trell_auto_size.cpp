#include "trellauto/trell_auto_size.h"

#include "property_conversion.h"
#include "qt_form_model.h"
#include "trellauto/layout_table.h"
#include "trellauto/property_bag.h"
#include "twips.h"

#include <QPainter>
#include <QResizeEvent>

namespace {

const QString kEnabledKey = QStringLiteral("Enabled");
const QString kSizeFontsKey = QStringLiteral("SizeFonts");
const QString kSizeWidthKey = QStringLiteral("SizeWidth");
const QString kSizeHeightKey = QStringLiteral("SizeHeight");
const QString kIgnoreKey = QStringLiteral("Ignore");

// The stored default of the three switches is the 16-bit integer 1, not a Boolean.
QVariant switchDefault()
{
    return QVariant::fromValue(qint16(1));
}

QSize ownSize()
{
    const int side = *trellauto::twipsToPixels(trellauto::kOwnSizeTwips);
    return {side, side};
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool readStored(trellauto::PropertyBag& store, const QString& key,
                const QVariant& defaultValue, QVariant& value, QString* error)
{
    QString why;
    if (store.readProperty(key, defaultValue, value, why))
        return true;
    setError(error, QStringLiteral("Reading the saved property \"%1\" failed: %2").arg(key, why));
    return false;
}

bool readSwitch(trellauto::PropertyBag& store, const QString& key, bool& target,
                QString* error)
{
    QVariant value;
    if (!readStored(store, key, switchDefault(), value, error))
        return false;
    const auto on = trellauto::toSwitch(value);
    if (!on) {
        setError(error, QStringLiteral("The saved property \"%1\" holds %2 \"%3\", which is "
                                       "not a Boolean")
                            .arg(key, QString::fromLatin1(value.typeName()),
                                 value.toString()));
        return false;
    }
    target = *on;
    return true;
}

} // namespace

TrellAutoSize::TrellAutoSize(QWidget* parent)
    : QWidget(parent)
    , layout_(std::make_unique<trellauto::LayoutTable>())
{
    setFixedSize(ownSize());
    // Invisible at run time; a form designer shows it through setDesignMode().
    setVisible(false);
}

TrellAutoSize::~TrellAutoSize() = default;

void TrellAutoSize::Init()
{
    trellauto::QtFormModel form(this);
    layout_->init(form);
}

void TrellAutoSize::Sizechanged()
{
    trellauto::QtFormModel form(this);
    const trellauto::AutoSizeSettings settings{sizeWidth_, sizeHeight_, sizeFonts_,
                                               ignore_.toStdString()};
    layout_->sizechanged(form, settings);
}

bool TrellAutoSize::isControlEnabled() const
{
    // The control's own state, not whether a disabled form disables it too.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void TrellAutoSize::setControlEnabled(bool enabled)
{
    setEnabled(enabled);
    emit enabledChanged(enabled);
    emit propertyChanged(kEnabledKey);
}

void TrellAutoSize::setSizeFonts(bool on)
{
    sizeFonts_ = on;
    emit sizeFontsChanged(on);
    emit propertyChanged(kSizeFontsKey);
}

void TrellAutoSize::setSizeWidth(bool on)
{
    sizeWidth_ = on;
    emit sizeWidthChanged(on);
    emit propertyChanged(kSizeWidthKey);
}

void TrellAutoSize::setSizeHeight(bool on)
{
    sizeHeight_ = on;
    emit sizeHeightChanged(on);
    emit propertyChanged(kSizeHeightKey);
}

void TrellAutoSize::setIgnore(const QString& names)
{
    ignore_ = names;
    emit ignoreChanged(names);
    emit propertyChanged(kIgnoreKey);
}

void TrellAutoSize::initProperties()
{
    sizeFonts_ = true;
    sizeWidth_ = true;
    sizeHeight_ = true;
    ignore_ = kDefaultIgnore;
}

bool TrellAutoSize::readProperties(trellauto::PropertyBag& store, QString* error)
{
    bool enabled = true;
    if (!readSwitch(store, kEnabledKey, enabled, error))
        return false;
    if (enabled != isControlEnabled()) {
        setEnabled(enabled);
        emit enabledChanged(enabled);
    }

    // Members are assigned one by one, so a failure keeps what was read before it.
    const auto readMember = [&](const QString& key, bool& member, auto changed) {
        bool on = member;
        if (!readSwitch(store, key, on, error))
            return false;
        if (on != member) {
            member = on;
            emit(this->*changed)(on);
        }
        return true;
    };
    if (!readMember(kSizeFontsKey, sizeFonts_, &TrellAutoSize::sizeFontsChanged)
        || !readMember(kSizeWidthKey, sizeWidth_, &TrellAutoSize::sizeWidthChanged)
        || !readMember(kSizeHeightKey, sizeHeight_, &TrellAutoSize::sizeHeightChanged))
        return false;

    QVariant value;
    if (!readStored(store, kIgnoreKey, kDefaultIgnore, value, error))
        return false;
    const auto names = trellauto::toText(value);
    if (!names) {
        setError(error, QStringLiteral("The saved property \"%1\" holds %2, which is not a "
                                       "string")
                            .arg(kIgnoreKey, QString::fromLatin1(value.typeName())));
        return false;
    }
    if (*names != ignore_) {
        ignore_ = *names;
        emit ignoreChanged(ignore_);
    }
    return true;
}

bool TrellAutoSize::writeProperties(trellauto::PropertyBag& store, QString* error) const
{
    struct Entry {
        QString key;
        QVariant value;
        QVariant defaultValue;
    };
    const Entry entries[] = {
        {kEnabledKey, isControlEnabled(), true},
        {kSizeFontsKey, sizeFonts_, switchDefault()},
        {kSizeWidthKey, sizeWidth_, switchDefault()},
        {kSizeHeightKey, sizeHeight_, switchDefault()},
        {kIgnoreKey, ignore_, kDefaultIgnore},
    };
    for (const auto& [key, value, defaultValue] : entries) {
        QString why;
        if (!store.writeProperty(key, value, defaultValue, why)) {
            setError(error,
                     QStringLiteral("Saving the property \"%1\" failed: %2").arg(key, why));
            return false;
        }
    }
    return true;
}

void TrellAutoSize::setDesignMode(bool on)
{
    designMode_ = on;
    setVisible(on);
    update();
}

QSize TrellAutoSize::sizeHint() const
{
    return ownSize();
}

void TrellAutoSize::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    holdOwnSize();
}

void TrellAutoSize::holdOwnSize()
{
    // Resizing to the size it already has raises no further resize event.
    if (size() != ownSize())
        resize(ownSize());
}

void TrellAutoSize::paintEvent(QPaintEvent* /*event*/)
{
    if (!designMode_)
        return;
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(box);
    // Two arrows pulling the corners apart: the control's only face.
    const QPoint inner = box.topLeft() + QPoint(4, 4);
    const QPoint outer = box.bottomRight() - QPoint(4, 4);
    painter.drawLine(inner, outer);
    painter.drawLine(inner, inner + QPoint(5, 0));
    painter.drawLine(inner, inner + QPoint(0, 5));
    painter.drawLine(outer, outer - QPoint(5, 0));
    painter.drawLine(outer, outer - QPoint(0, 5));
}
