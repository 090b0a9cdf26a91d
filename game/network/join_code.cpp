#include "network/join_code.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace bramlow::network {

QString drawJoinCode()
{
    return QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1000000), 6, 10, QLatin1Char('0'));
}

QString joinCodeError(const QString& code)
{
    bool digits = code.size() == 6;
    for (const QChar c : code)
        digits = digits && c >= u'0' && c <= u'9';
    return digits ? QString() : QStringLiteral("Der Code „%1“ besteht nicht aus sechs Ziffern.").arg(code.left(20));
}

QByteArray freshNonce()
{
    QByteArray nonce(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(nonce.data()), nonce.size() / 4);
    return nonce;
}

QByteArray joinProof(const QString& code, Role prover, const QByteArray& proverNonce,
                     const QByteArray& otherNonce)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, code.toUtf8());
    mac.addData(prover == Role::host ? "bramlow-host" : "bramlow-guest");
    mac.addData(proverNonce);
    mac.addData(otherNonce);
    return mac.result();
}

bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace bramlow::network
