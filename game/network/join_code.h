#pragma once
// The six-digit join code and the proofs that show a side knows it without sending it.
//
// Each side proves itself over both nonces with HMAC-SHA256 keyed by the code; the role
// goes first into the message, so that a proof of the host can never pass for one of the
// guest (a relay of the host's own challenge back to it fails).

#include <QByteArray>
#include <QString>

namespace bramlow::network {

enum class Role { host, guest };

// Six decimal digits, "000000" to "999999", from the system's random source.
QString drawJoinCode();
// The German error for a code that is not six digits; empty when it is one.
QString joinCodeError(const QString& code);

// 32 fresh bytes from the system's random source.
QByteArray freshNonce();

// HMAC-SHA256(code, role | own nonce | other nonce).
QByteArray joinProof(const QString& code, Role prover, const QByteArray& proverNonce,
                     const QByteArray& otherNonce);

// Compares in time that does not depend on where the first difference lies.
bool sameBytes(const QByteArray& a, const QByteArray& b);

} // namespace bramlow::network
