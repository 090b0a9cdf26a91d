#include "trellauto/trell_auto_size.h"

#include "property_conversion.h"
#include "qt_form_model.h"
#include "trell_auto_size_p.h"
#include "trellauto/property_bag.h"
#include "twips.h"

#include <QPainter>
#include <QResizeEvent>

#include <utility>

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

QString TrellAutoSize::defaultIgnore()
{
    return QStringLiteral("TrellAutoSize1;");
}

TrellAutoSize::TrellAutoSize(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<TrellAutoSizePrivate>(this))
{
    setFixedSize(ownSize());
    // Invisible at run time; a form designer shows it through setDesignMode().
    setVisible(false);
}

TrellAutoSize::~TrellAutoSize() = default;

void TrellAutoSize::Init()
{
    trellauto::QtFormModel form(this, d->controls(true));
    d->layout.init(form);
}

void TrellAutoSize::Sizechanged()
{
    trellauto::QtFormModel form(this, d->controls(false));
    const trellauto::AutoSizeSettings settings{d->sizeWidth, d->sizeHeight, d->sizeFonts,
                                               d->ignore.toStdString()};
    d->layout.sizechanged(form, settings);
}

bool TrellAutoSize::isControlEnabled() const
{
    // The control's own state, not whether a disabled form disables it too.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void TrellAutoSize::setControlEnabled(bool enabled)
{
    if (enabled != isControlEnabled()) {
        setEnabled(enabled);
        emit enabledChanged(enabled);
    }
    emit propertyChanged(kEnabledKey);
}

bool TrellAutoSize::sizeFonts() const
{
    return d->sizeFonts;
}

void TrellAutoSize::setSizeFonts(bool on)
{
    if (std::exchange(d->sizeFonts, on) != on)
        emit sizeFontsChanged(on);
    emit propertyChanged(kSizeFontsKey);
}

bool TrellAutoSize::sizeWidth() const
{
    return d->sizeWidth;
}

void TrellAutoSize::setSizeWidth(bool on)
{
    if (std::exchange(d->sizeWidth, on) != on)
        emit sizeWidthChanged(on);
    emit propertyChanged(kSizeWidthKey);
}

bool TrellAutoSize::sizeHeight() const
{
    return d->sizeHeight;
}

void TrellAutoSize::setSizeHeight(bool on)
{
    if (std::exchange(d->sizeHeight, on) != on)
        emit sizeHeightChanged(on);
    emit propertyChanged(kSizeHeightKey);
}

QString TrellAutoSize::ignore() const
{
    return d->ignore;
}

void TrellAutoSize::setIgnore(const QString& names)
{
    if (std::exchange(d->ignore, names) != names)
        emit ignoreChanged(names);
    emit propertyChanged(kIgnoreKey);
}

void TrellAutoSize::initProperties()
{
    d->sizeFonts = true;
    d->sizeWidth = true;
    d->sizeHeight = true;
    d->ignore = defaultIgnore();
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
    if (!readMember(kSizeFontsKey, d->sizeFonts, &TrellAutoSize::sizeFontsChanged)
        || !readMember(kSizeWidthKey, d->sizeWidth, &TrellAutoSize::sizeWidthChanged)
        || !readMember(kSizeHeightKey, d->sizeHeight, &TrellAutoSize::sizeHeightChanged))
        return false;

    QVariant value;
    if (!readStored(store, kIgnoreKey, defaultIgnore(), value, error))
        return false;
    const auto names = trellauto::toText(value);
    if (!names) {
        setError(error, QStringLiteral("The saved property \"%1\" holds %2, which is not a "
                                       "string")
                            .arg(kIgnoreKey, QString::fromLatin1(value.typeName())));
        return false;
    }
    if (*names != d->ignore) {
        d->ignore = *names;
        emit ignoreChanged(d->ignore);
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
        {kSizeFontsKey, d->sizeFonts, switchDefault()},
        {kSizeWidthKey, d->sizeWidth, switchDefault()},
        {kSizeHeightKey, d->sizeHeight, switchDefault()},
        {kIgnoreKey, d->ignore, defaultIgnore()},
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
    d->designMode = on;
    setVisible(on);
    update();
}

bool TrellAutoSize::isDesignMode() const
{
    return d->designMode;
}

QSize TrellAutoSize::sizeHint() const
{
    return ownSize();
}

void TrellAutoSize::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Resizing to the size it already has raises no further resize event.
    if (size() != ownSize())
        resize(ownSize());
}

void TrellAutoSize::paintEvent(QPaintEvent* /*event*/)
{
    if (!d->designMode)
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
