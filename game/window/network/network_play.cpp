#include "network_play.h"

#include "peer_side.h"

#include "network/peer_actions.h"
#include "window/game_app.h"
#include "window/media/fatal_error.h"
#include "window/record/safe_file.h"
#include "window/record/user_folders.h"

#include <QHostInfo>
#include <QNetworkInterface>

namespace bramlow {

namespace {

QString sideName(Player player) { return QString::fromStdString(playerName(player)); }

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

NetworkPlay::NetworkPlay(GameApp& app) : app_(app)
{
    // The guest tries again every two seconds while the line is down.
    rejoinTimer_.setInterval(2000);
    connect(&rejoinTimer_, &QTimer::timeout, this, [this] { join(joinedAt_, code_); });
}

NetworkPlay::~NetworkPlay() { hangUp(); }

QString NetworkPlay::open(quint16 port, Player local, QString code)
{
    hangUp();
    code_ = code.isEmpty() ? network::drawJoinCode() : std::move(code);
    const Player guestPlayer = opponentOf(local);
    host_ = std::make_unique<network::NetworkHost>(code_, guestPlayer == Player::gold ? QStringLiteral("gold")
                                                                                      : QStringLiteral("silber"));
    if (const QString error = host_->listen(port); !error.isEmpty()) {
        host_.reset();
        return error;
    }
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

void NetworkPlay::seatPeer(Player peer, network::Role role, network::PeerLink* link)
{
    const bool firstJoin = !peer_;
    if (firstJoin) {
        peer_ = std::make_unique<PeerSide>(peer, role);
        connect(&peer_->session(), &network::LockstepSession::linkLost, this, &NetworkPlay::linkLost);
        connect(peer_.get(), &PeerSide::refused, this, &NetworkPlay::say);
        app_.sides().seatPeer(peer, peer_.get());
        if (BramlowWindow* window = app_.mainWindow())
            connect(window, &BramlowWindow::actionRecorded, peer_.get(), [this, window] {
                if (isWon(*window))
                    keepRecord();
            });
    }
    rejoinTimer_.stop();
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
    if (!host_)
        rejoinTimer_.start();
    emit stateChanged();
}

void NetworkPlay::hangUp()
{
    rejoinTimer_.stop();
    if (peer_) {
        keepRecord();
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
