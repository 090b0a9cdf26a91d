#include "network/host_address.h"

namespace bramlow::network {

HostAddress parseHostAddress(const QString& text)
{
    HostAddress address;
    QString portText;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        address.host = text.mid(1, close - 1);
        const QString rest = close < 0 ? QString() : text.mid(close + 1);
        if (close < 0 || (!rest.isEmpty() && !rest.startsWith(u':')))
            address.error = QStringLiteral("Die Adresse „%1“ ist nicht lesbar.").arg(text.left(80));
        portText = rest.mid(1);
        if (rest == QLatin1String(":"))
            portText = QStringLiteral("?");
    } else if (text.count(u':') == 1) {
        address.host = text.section(u':', 0, 0);
        portText = text.section(u':', 1);
        if (portText.isEmpty())
            portText = QStringLiteral("?");
    } else {
        address.host = text;
    }
    if (address.error.isEmpty() && !portText.isEmpty()) {
        bool number = false;
        const uint port = portText.toUInt(&number);
        if (!number || port < 1 || port > 65535)
            address.error = QStringLiteral("„%1“ ist kein Port von 1 bis 65535.").arg(portText.left(20));
        else
            address.port = quint16(port);
    }
    const bool hostUsable = !address.host.isEmpty() && !address.host.contains(u'/') && !address.host.contains(u' ')
        && !address.host.contains(u'@');
    if (address.error.isEmpty() && !hostUsable)
        address.error = QStringLiteral("Die Adresse „%1“ nennt keinen Rechner.").arg(text.left(80));
    return address;
}

} // namespace bramlow::network
