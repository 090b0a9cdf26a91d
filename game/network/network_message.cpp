#include "network/network_message.h"

#include "network/protocol_limits.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

#include <array>
#include <cmath>

namespace bramlow::network {

namespace {

struct KindInfo {
    MessageKind kind;
    const char* name;
    QStringList keys; // every key besides "type", all required
};

const std::array<KindInfo, 10>& kinds()
{
    static const std::array<KindInfo, 10> table{{
        {MessageKind::hello, "hello", {"version", "nonce"}},
        {MessageKind::challenge, "challenge", {"version", "nonce"}},
        {MessageKind::response, "response", {"proof"}},
        {MessageKind::welcome, "welcome", {"side", "proof"}},
        {MessageKind::refused, "refused", {"reason", "text"}},
        {MessageKind::sync, "sync", {"actions", "draws", "check"}},
        {MessageKind::action, "action", {"number", "line", "check"}},
        {MessageKind::commit, "commit", {"number", "hash"}},
        {MessageKind::reveal, "reveal", {"number", "value"}},
        {MessageKind::bye, "bye", {"text"}},
    }};
    return table;
}

const KindInfo& infoOf(MessageKind kind)
{
    for (const KindInfo& info : kinds())
        if (info.kind == kind)
            return info;
    return kinds().front();
}

const std::array<std::pair<RefusalReason, const char*>, 4> reasons{{
    {RefusalReason::wrongCode, "wrong-code"},
    {RefusalReason::locked, "locked"},
    {RefusalReason::full, "full"},
    {RefusalReason::version, "version"},
}};

// A failed read: the German sentence that parseMessage hands back.
struct Fault {
    QString text;
};

QString quoted(const QString& key) { return QStringLiteral("„%1“").arg(key); }

int wholeNumber(const QJsonObject& object, const QString& key, int low, int high)
{
    const QJsonValue value = object.value(key);
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || !std::isfinite(number) || number != std::floor(number) || number < low
        || number > high)
        throw Fault{QStringLiteral("Das Feld %1 ist keine ganze Zahl von %2 bis %3.")
                        .arg(quoted(key))
                        .arg(low)
                        .arg(high)};
    return static_cast<int>(number);
}

QString text(const QJsonObject& object, const QString& key, int maxChars)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        throw Fault{QStringLiteral("Das Feld %1 ist kein Text.").arg(quoted(key))};
    const QString result = value.toString();
    if (result.isEmpty() || result.size() > maxChars)
        throw Fault{QStringLiteral("Das Feld %1 ist leer oder länger als %2 Zeichen.")
                        .arg(quoted(key))
                        .arg(maxChars)};
    for (const QChar c : result)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || c.isSurrogate())
            throw Fault{QStringLiteral("Das Feld %1 enthält Steuerzeichen.").arg(quoted(key))};
    return result;
}

// 32 bytes, written as exactly 64 lowercase hexadecimal digits.
QByteArray bytes32(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    const QString hex = value.toString();
    bool wellFormed = value.isString() && hex.size() == 64;
    for (const QChar c : hex)
        wellFormed = wellFormed && ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'));
    if (!wellFormed)
        throw Fault{QStringLiteral("Das Feld %1 besteht nicht aus 64 Hexadezimalziffern.")
                        .arg(quoted(key))};
    return QByteArray::fromHex(hex.toLatin1());
}

// A check value as it travels: eight lowercase hexadecimal digits.
QString checkText(std::uint32_t check) { return QStringLiteral("%1").arg(check, 8, 16, QLatin1Char('0')); }

std::uint32_t checkValue(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    const QString hex = value.toString();
    bool wellFormed = value.isString() && hex.size() == 8;
    for (const QChar c : hex)
        wellFormed = wellFormed && ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'));
    if (!wellFormed)
        throw Fault{QStringLiteral("Das Feld %1 besteht nicht aus 8 Hexadezimalziffern.").arg(quoted(key))};
    return hex.toUInt(nullptr, 16);
}

Message read(const QJsonObject& object)
{
    const QJsonValue typeValue = object.value(QStringLiteral("type"));
    if (!typeValue.isString())
        throw Fault{QStringLiteral("Der Nachricht fehlt ihre Art („type“).")};
    const QString type = typeValue.toString();
    const KindInfo* info = nullptr;
    for (const KindInfo& candidate : kinds())
        if (type == QLatin1String(candidate.name))
            info = &candidate;
    if (!info)
        throw Fault{QStringLiteral("Unbekannte Nachrichtenart %1.").arg(quoted(type.left(40)))};
    for (const QString& key : object.keys())
        if (key != QLatin1String("type") && !info->keys.contains(key))
            throw Fault{QStringLiteral("Unbekanntes Feld %1 in einer Nachricht „%2“.")
                            .arg(quoted(key.left(40)), type)};
    for (const QString& key : info->keys)
        if (!object.contains(key))
            throw Fault{QStringLiteral("Einer Nachricht „%1“ fehlt das Feld %2.").arg(type, quoted(key))};

    Message m;
    m.kind = info->kind;
    switch (m.kind) {
    case MessageKind::hello:
    case MessageKind::challenge:
        m.version = wholeNumber(object, QStringLiteral("version"), 0, maxSequenceNumber);
        m.nonce = bytes32(object, QStringLiteral("nonce"));
        break;
    case MessageKind::response:
        m.proof = bytes32(object, QStringLiteral("proof"));
        break;
    case MessageKind::welcome:
        m.side = text(object, QStringLiteral("side"), 6);
        if (m.side != QLatin1String("silber") && m.side != QLatin1String("gold"))
            throw Fault{QStringLiteral("Das Feld „side“ ist weder „silber“ noch „gold“.")};
        m.proof = bytes32(object, QStringLiteral("proof"));
        break;
    case MessageKind::refused: {
        const QString name = text(object, QStringLiteral("reason"), 20);
        bool known = false;
        for (const auto& [reason, reasonName] : reasons)
            if (name == QLatin1String(reasonName)) {
                m.reason = reason;
                known = true;
            }
        if (!known)
            throw Fault{QStringLiteral("Unbekannter Grund %1 einer Abweisung.").arg(quoted(name))};
        m.text = text(object, QStringLiteral("text"), maxTextChars);
        break;
    }
    case MessageKind::sync:
        m.actions = wholeNumber(object, QStringLiteral("actions"), 0, maxSequenceNumber);
        m.draws = wholeNumber(object, QStringLiteral("draws"), 0, maxSequenceNumber);
        m.check = checkValue(object, QStringLiteral("check"));
        break;
    case MessageKind::action:
        m.number = wholeNumber(object, QStringLiteral("number"), 0, maxSequenceNumber);
        m.line = text(object, QStringLiteral("line"), maxLineChars);
        m.check = checkValue(object, QStringLiteral("check"));
        break;
    case MessageKind::commit:
        m.number = wholeNumber(object, QStringLiteral("number"), 0, maxSequenceNumber);
        m.digest = bytes32(object, QStringLiteral("hash"));
        break;
    case MessageKind::reveal:
        m.number = wholeNumber(object, QStringLiteral("number"), 0, maxSequenceNumber);
        m.digest = bytes32(object, QStringLiteral("value"));
        break;
    case MessageKind::bye:
        m.text = text(object, QStringLiteral("text"), maxTextChars);
        break;
    }
    return m;
}

QString hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex()); }

} // namespace

ParsedMessage parseMessage(const QByteArray& bytes)
{
    if (bytes.size() > maxMessageBytes)
        return QStringLiteral("Die Nachricht ist größer als 64 KiB.");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("Die Nachricht ist kein gültiges JSON (%1 an Stelle %2).")
            .arg(error.errorString())
            .arg(error.offset);
    if (!document.isObject())
        return QStringLiteral("Die Nachricht ist kein JSON-Objekt.");
    try {
        return read(document.object());
    } catch (const Fault& fault) {
        return fault.text;
    }
}

QByteArray encodeMessage(const Message& m)
{
    QJsonObject object{{QStringLiteral("type"), QLatin1String(infoOf(m.kind).name)}};
    switch (m.kind) {
    case MessageKind::hello:
    case MessageKind::challenge:
        object.insert(QStringLiteral("version"), m.version);
        object.insert(QStringLiteral("nonce"), hex(m.nonce));
        break;
    case MessageKind::response:
        object.insert(QStringLiteral("proof"), hex(m.proof));
        break;
    case MessageKind::welcome:
        object.insert(QStringLiteral("side"), m.side);
        object.insert(QStringLiteral("proof"), hex(m.proof));
        break;
    case MessageKind::refused:
        object.insert(QStringLiteral("reason"), refusalName(m.reason));
        object.insert(QStringLiteral("text"), m.text);
        break;
    case MessageKind::sync:
        object.insert(QStringLiteral("actions"), m.actions);
        object.insert(QStringLiteral("draws"), m.draws);
        object.insert(QStringLiteral("check"), checkText(m.check));
        break;
    case MessageKind::action:
        object.insert(QStringLiteral("number"), m.number);
        object.insert(QStringLiteral("line"), m.line);
        object.insert(QStringLiteral("check"), checkText(m.check));
        break;
    case MessageKind::commit:
        object.insert(QStringLiteral("number"), m.number);
        object.insert(QStringLiteral("hash"), hex(m.digest));
        break;
    case MessageKind::reveal:
        object.insert(QStringLiteral("number"), m.number);
        object.insert(QStringLiteral("value"), hex(m.digest));
        break;
    case MessageKind::bye:
        object.insert(QStringLiteral("text"), m.text);
        break;
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString refusalName(RefusalReason reason)
{
    for (const auto& [candidate, name] : reasons)
        if (candidate == reason)
            return QLatin1String(name);
    return {};
}

} // namespace bramlow::network
