#include "network_play.h"

#include "peer_side.h"

#include "record/check_value.h"
#include "window/announcement.h"
#include "window/record/window_replay.h"

#include "network/peer_actions.h"
#include "window/game_app.h"
#include "window/media/fatal_error.h"
#include "window/record/safe_file.h"
#include "window/record/user_folders.h"

#include <QHostInfo>
#include <QNetworkInterface>

#include <algorithm>
#include <limits>

namespace bramlow {

namespace {

QString sideName(Player player) { return QString::fromStdString(playerName(player)); }

// How long the peer may be away before this side may end the game alone: ten minutes, or
// BRAMLOW_PEER_WAIT_MS milliseconds (for tests).
qint64 peerWaitMs()
{
    bool read = false;
    const qint64 ms = qEnvironmentVariable("BRAMLOW_PEER_WAIT_MS").toLongLong(&read);
    return read && ms >= 0 ? ms : 10 * 60 * 1000;
}

// "3 Minuten", "40 Sekunden", "1 Sekunde": what is left of the wait, rounded up.
QString timeLeft(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    if (seconds > 90)
        return QStringLiteral("%1 Minuten").arg((seconds + 59) / 60);
    return seconds == 1 ? QStringLiteral("1 Sekunde") : QStringLiteral("%1 Sekunden").arg(seconds);
}

// The first address others can reach, IPv4 before IPv6, with the port.
QString addressOfThisMachine(quint16 port)
{
    QString v6;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.isLoopback() || address.isLinkLocal())
            continue;
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
        if (v6.isEmpty())
            v6 = QStringLiteral("[%1]:%2").arg(address.toString()).arg(port);
    }
    return v6.isEmpty() ? QStringLiteral("localhost:%1").arg(port) : v6;
}

} // namespace

NetworkPlay::NetworkPlay(GameApp& app) : app_(app), peerWaitMs_(peerWaitMs())
{
    // The guest tries again every two seconds while the line is down.
    rejoinTimer_.setInterval(2000);
    connect(&rejoinTimer_, &QTimer::timeout, this, [this] { join(joinedAt_, code_); });
    waitOver_.setSingleShot(true);
    connect(&waitOver_, &QTimer::timeout, this, [this] {
        waitedOut_ = true;
        if (peer_ && !peer_->session().connected())
            say(pauseText());
    });
}

// Closing the program is no hanging up: no word to the peer, whose game waits as for a
// dropped line, and the journal stays for coming back.
NetworkPlay::~NetworkPlay() { closeDown(false); }

QString NetworkPlay::open(quint16 port, Player local, QString code)
{
    if (peer_ || host_ || guest_)
        hangUp();
    code_ = code.isEmpty() ? network::drawJoinCode() : std::move(code);
    const Player guestPlayer = opponentOf(local);
    host_ = std::make_unique<network::NetworkHost>(code_, guestPlayer == Player::gold ? QStringLiteral("gold")
                                                                                      : QStringLiteral("silber"));
    if (const QString error = host_->listen(port); !error.isEmpty()) {
        host_.reset();
        return error;
    }
    resume({network::Role::host, QStringLiteral("-"), host_->port(), code_, sideName(guestPlayer)});
    connect(host_.get(), &network::NetworkHost::guestJoined, this,
            [this, guestPlayer](network::PeerLink* link) { seatPeer(guestPlayer, network::Role::host, link); });
    connect(host_.get(), &network::NetworkHost::guestRefused, this,
            [this](const QString& text) { say(QStringLiteral("Ein Mitspieler wurde abgewiesen: %1").arg(text)); });
    announcement_ = std::make_unique<network::GameAnnouncement>();
    const QString announced = announcement_->announce(
        QStringLiteral("Bramlow – %1 (%2)").arg(QHostInfo::localHostName(), sideName(local)), host_->port());
    // Short, so that the message line keeps a readable size.
    say(QStringLiteral("Code %1 – Adresse %2%3")
            .arg(code_, addressOfThisMachine(host_->port()),
                 announced.isEmpty() ? QString() : QStringLiteral(" (nicht im lokalen Netz angekündigt)")));
    emit stateChanged();
    return {};
}

void NetworkPlay::join(const network::HostAddress& address, const QString& code, bool exitOnFailure)
{
    const bool rejoin = peer_ && address.host == joinedAt_.host && address.port == joinedAt_.port && code == code_;
    if (!rejoin) {
        if (peer_ || host_ || guest_)
            hangUp();
        // The game kept in the journal is taken up: failing to reach the host is a pause then.
        if (resume({network::Role::guest, address.host, address.port, code, {}}))
            exitOnFailure = false;
    }
    exitOnFailure_ = exitOnFailure || exitOnFailure_;
    joinedAt_ = address;
    code_ = code;
    rejoinTimer_.stop();
    guest_ = std::make_unique<network::NetworkGuest>();
    connect(guest_.get(), &network::NetworkGuest::joined, this, [this](network::PeerLink* link, const QString& side) {
        exitOnFailure_ = false;
        // The side the host gave us is ours; the peer plays the other.
        const Player local = side == QLatin1String("gold") ? Player::gold : Player::silber;
        seatPeer(opponentOf(local), network::Role::guest, link);
    });
    connect(guest_.get(), &network::NetworkGuest::failed, this, [this](const QString& text) {
        if (exitOnFailure_)
            reportFatalErrorAndExit(QStringLiteral("Der Partie kann nicht beigetreten werden: %1").arg(text),
                                    joinFailedExitCode, app_.mainWindow());
        if (peer_)
            rejoinTimer_.start(); // still in the game: keep trying
        else
            say(QStringLiteral("Der Partie kann nicht beigetreten werden: %1").arg(text));
    });
    guest_->join(address, code);
}

void NetworkPlay::takeSeat(Player peer, network::Role role)
{
    peer_ = std::make_unique<PeerSide>(peer, role);
    network::LockstepSession& session = peer_->session();
    connect(&session, &network::LockstepSession::linkLost, this, &NetworkPlay::linkLost);
    connect(&session, &network::LockstepSession::peerLeft, this, [this] { peerLeft_ = true; });
    connect(peer_.get(), &PeerSide::refused, this, &NetworkPlay::say);
    connect(&session, &network::LockstepSession::actionKept, this, [this](const QString& line, std::uint32_t check) {
        QByteArray lines;
        // A new game's record begins with what the window showed as it was clicked.
        if (BramlowWindow* window = app_.mainWindow(); window && line.startsWith(QLatin1String("neu ")))
            lines += network::journalGameStart(QString::fromStdString(startLine(window->recorder().record().start)));
        keep(lines + network::journalAction(line, check));
    });
    connect(&session, &network::LockstepSession::secretKept, this,
            [this](const QByteArray& value) { keep(network::journalSecret(value)); });
    connect(&session, &network::LockstepSession::drawKept, this,
            [this](const network::AgreedDrawRecord& draw) { keep(network::journalDraw(draw)); });
    app_.sides().seatPeer(peer, peer_.get());
    if (BramlowWindow* window = app_.mainWindow())
        connect(window, &BramlowWindow::actionRecorded, peer_.get(), [this, window] {
            if (isWon(*window))
                keepRecord();
        });
}

void NetworkPlay::seatPeer(Player peer, network::Role role, network::PeerLink* link)
{
    const bool firstJoin = !peer_;
    if (firstJoin) {
        takeSeat(peer, role);
        const network::SessionSeat seat{role, role == network::Role::host ? QStringLiteral("-") : joinedAt_.host,
                                        role == network::Role::host ? host_->port() : joinedAt_.port, code_,
                                        sideName(peer)};
        journalFailed_ = false;
        journalProblem(journal_.begin(seat));
    }
    rejoinTimer_.stop();
    waitOver_.stop();
    peerLeft_ = false;
    waitedOut_ = false;
    peer_->session().attach(link);
    if (BramlowWindow* window = app_.mainWindow())
        window->setWindowTitle(QStringLiteral("Bramlow – Netzwerkpartie gegen %1").arg(sideName(peer)));
    say(QStringLiteral("Netzwerkpartie verbunden."));
    // The game begins as the guest first arrives.
    if (firstJoin && role == network::Role::host && app_.mainWindow())
        connect(&peer_->session(), &network::LockstepSession::inStep, this, [this] {
            if (app_.mainWindow() && !network::playerToMove(*app_.mainWindow()))
                app_.mainWindow()->neu_but_Click();
        }, Qt::SingleShotConnection);
    emit stateChanged();
}

void NetworkPlay::linkLost(const QString& why)
{
    if (!peer_)
        return;
    keepRecord();
    const QString text = QStringLiteral("Verbindung unterbrochen – warte auf %1 … (%2)").arg(sideName(peer_->peer()), why);
    // Also on stderr, for whoever reads a bug report.
    qWarning("Bramlow: %s", qUtf8Printable(text));
    say(text);
    startWaiting();
    if (!host_)
        rejoinTimer_.start();
    emit stateChanged();
}

bool NetworkPlay::resume(const network::SessionSeat& seat)
{
    const std::optional<network::ParsedSessionJournal> kept = journal_.read();
    BramlowWindow* window = app_.mainWindow();
    if (!kept || !window)
        return false;
    const QString cannot = QStringLiteral("Die unterbrochene Netzwerkpartie lässt sich nicht fortsetzen: %1");
    if (!kept->seat) {
        say(cannot.arg(kept->error));
        return false;
    }
    network::SessionSeat wanted = seat;
    wanted.peer = kept->seat->peer;
    if (!(*kept->seat == wanted))
        return false; // another game: it begins afresh
    const network::SessionState& state = kept->state;
    if (!state.actions.isEmpty()) {
        // The window shows the last game as it stood: its start line and its actions.
        QByteArray record = QByteArray::fromStdString(recordHeader) + '\n' + state.gameStart.toUtf8() + '\n';
        for (qsizetype i = state.gameBegins; i < state.actions.size(); ++i)
            record += state.actions[i].toUtf8() + '\n';
        QString error = loadRecordOnto(*window, std::string_view(record.constData(), std::size_t(record.size())));
        if (error.isEmpty() && checkValueOf(*window) != state.checks.back())
            error = QStringLiteral("Die Stellung passt nicht zum Prüfwert im Journal.");
        if (!error.isEmpty()) {
            say(cannot.arg(error));
            return false;
        }
        app_.journal().replace(window->recorder().record(), isWon(*window));
    }
    takeSeat(kept->seat->peer == QLatin1String("Gold") ? Player::gold : Player::silber, seat.role);
    peer_->resume(state);
    app_.sides().follow(window);
    if (BramlowWindow* shown = app_.mainWindow())
        shown->setWindowTitle(QStringLiteral("Bramlow – Netzwerkpartie gegen %1").arg(kept->seat->peer));
    startWaiting();
    say(pauseText());
    return true;
}

void NetworkPlay::startWaiting()
{
    waitedOut_ = false;
    awaySince_.start();
    waitOver_.start(int(std::min<qint64>(peerWaitMs_, std::numeric_limits<int>::max())));
}

void NetworkPlay::keep(const QByteArray& journalLines) { journalProblem(journal_.append(journalLines)); }

void NetworkPlay::journalProblem(const QString& error)
{
    if (error.isEmpty() || journalFailed_)
        return;
    // Once: the game goes on, but could not be taken up again after a crash.
    journalFailed_ = true;
    qWarning("Bramlow: %s", qUtf8Printable(error));
    say(QStringLiteral("Die Netzwerkpartie wird nicht gesichert: %1").arg(error));
}

QString NetworkPlay::pauseText() const
{
    const QString peer = peer_ ? sideName(peer_->peer()) : QString();
    if (peerLeft_ || waitedOut_)
        return (peerLeft_ ? QStringLiteral("%1 hat die Verbindung beendet") : QStringLiteral("%1 ist nicht zurückgekommen"))
                   .arg(peer)
            + QStringLiteral(" – „Verbindung trennen“ spielt allein weiter.");
    return QStringLiteral("Verbindung unterbrochen – warte auf %1 …").arg(peer);
}

void NetworkPlay::hangUpAsked()
{
    const qint64 left = awaySince_.isValid() ? peerWaitMs_ - awaySince_.elapsed() : 0;
    if (peer_ && !peer_->session().connected() && !peerLeft_ && !waitedOut_) {
        // The peer may be on its way back: its game must not be taken from it yet.
        say(QStringLiteral("Trennen erst nach %1 ohne %2 (noch %3).")
                .arg(timeLeft(peerWaitMs_), sideName(peer_->peer()), timeLeft(std::max<qint64>(left, 0))));
        return;
    }
    const bool inGame = peer_ != nullptr;
    hangUp();
    if (inGame)
        say(QStringLiteral("Verbindung getrennt – die Partie geht hier allein weiter."));
}

void NetworkPlay::peerIsToMove()
{
    if (!peer_)
        return;
    const QString text = peer_->session().connected()
        ? QStringLiteral("%1 ist am Zug – es spielt der Netzwerkpartner.").arg(sideName(peer_->peer()))
        : pauseText();
    say(text);
    announce(text);
}

void NetworkPlay::hangUp() { closeDown(true); }

void NetworkPlay::closeDown(bool endGame)
{
    rejoinTimer_.stop();
    waitOver_.stop();
    awaySince_.invalidate();
    if (endGame)
        journal_.remove();
    if (peer_) {
        keepRecord();
        if (endGame)
            peer_->session().hangUp(QStringLiteral("Die Gegenseite hat die Verbindung getrennt."));
        app_.sides().seatPeer(peer_->peer(), nullptr);
        if (BramlowWindow* window = app_.mainWindow()) {
            window->draws().setOutsideOnly(false);
            window->setWindowTitle(QStringLiteral("Bramlow"));
        }
    }
    peer_.reset();
    guest_.reset();
    announcement_.reset();
    host_.reset();
    code_.clear();
    exitOnFailure_ = false;
    emit stateChanged();
}

void NetworkPlay::say(const QString& text)
{
    if (BramlowWindow* window = app_.mainWindow())
        window->setMessage(text.toStdString());
}

// The record of the network game and both sides' values of every draw, so that either
// player can check the game afterwards or send both for a bug report.
void NetworkPlay::keepRecord()
{
    const std::optional<QString> folder = stateFolder();
    BramlowWindow* window = app_.mainWindow();
    if (!folder || !peer_ || !window)
        return;
    QByteArray draws;
    int number = 0;
    for (const network::AgreedDrawRecord& draw : peer_->session().draws())
        draws += QStringLiteral("wurf %1 %2 %3 %4\n")
                     .arg(number++)
                     .arg(QString::fromLatin1(draw.hostValue.toHex()), QString::fromLatin1(draw.guestValue.toHex()))
                     .arg(double(draw.x), 0, 'g', 9)
                     .toUtf8();
    // The draws first: whoever waits for the record finds both.
    writeFileSafely(*folder + QStringLiteral("/netzwerkpartie-wuerfe.txt"), draws);
    writeFileSafely(*folder + QStringLiteral("/netzwerkpartie.bramlow"),
                    QByteArray::fromStdString(recordText(window->recorder().record())));
}

} // namespace bramlow
