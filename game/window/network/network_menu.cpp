#include "network_menu.h"

#include "network_play.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace bramlow {

namespace {

QDialogButtonBox* buttonsFor(QDialog& dialog, QFormLayout& form)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form.addRow(buttons);
    return buttons;
}

void openGame(NetworkPlay& play, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Partie eröffnen"));
    QFormLayout form(&dialog);
    QComboBox side;
    side.addItems({QStringLiteral("Silber"), QStringLiteral("Gold")});
    QSpinBox port;
    port.setRange(1, 65535);
    port.setValue(network::defaultPort);
    form.addRow(QStringLiteral("Eigene Seite:"), &side);
    form.addRow(QStringLiteral("Port:"), &port);
    buttonsFor(dialog, form);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString error = play.open(quint16(port.value()), side.currentIndex() == 0 ? Player::silber : Player::gold);
    if (!error.isEmpty())
        QMessageBox::warning(parent, QStringLiteral("Partie eröffnen"), error);
}

void joinGame(NetworkPlay& play, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Partie beitreten"));
    QFormLayout form(&dialog);
    QListWidget games;
    QLineEdit address;
    address.setPlaceholderText(QStringLiteral("Rechner[:Port]"));
    QLineEdit code;
    code.setInputMask(QStringLiteral("999999"));
    form.addRow(QStringLiteral("Partien im lokalen Netz:"), &games);
    form.addRow(QStringLiteral("Adresse:"), &address);
    form.addRow(QStringLiteral("Code:"), &code);
    buttonsFor(dialog, form);
    network::GameBrowser browser;
    QObject::connect(&browser, &network::GameBrowser::found, &games, [&](const network::AnnouncedGame& game) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 – %2:%3").arg(game.name, game.address).arg(game.port), &games);
        item->setData(Qt::UserRole, QStringLiteral("%1:%2").arg(game.address).arg(game.port));
    });
    QObject::connect(&games, &QListWidget::currentItemChanged, &address, [&](QListWidgetItem* item) {
        if (item)
            address.setText(item->data(Qt::UserRole).toString());
    });
    if (const QString why = browser.start(); !why.isEmpty())
        new QListWidgetItem(why, &games);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const network::HostAddress host = network::parseHostAddress(address.text().trimmed());
    const QString codeError = network::joinCodeError(code.text());
    if (!host.error.isEmpty() || !codeError.isEmpty()) {
        QMessageBox::warning(parent, QStringLiteral("Partie beitreten"), host.error.isEmpty() ? codeError : host.error);
        return;
    }
    play.join(host, code.text());
}

} // namespace

void addNetworkMenu(QMenuBar& bar, NetworkPlay& play, QWidget* dialogParent)
{
    auto* menu = new QMenu(QStringLiteral("&Netzwerk"), &bar);
    menu->setObjectName(QStringLiteral("menuNetzwerk"));
    QAction* open = menu->addAction(QStringLiteral("Partie &eröffnen…"));
    QAction* join = menu->addAction(QStringLiteral("Partie &beitreten…"));
    QAction* hangUp = menu->addAction(QStringLiteral("Verbindung &trennen"));
    open->setObjectName(QStringLiteral("menuPartieEroeffnen"));
    join->setObjectName(QStringLiteral("menuPartieBeitreten"));
    hangUp->setObjectName(QStringLiteral("menuVerbindungTrennen"));
    QObject::connect(open, &QAction::triggered, menu, [&play, dialogParent] { openGame(play, dialogParent); });
    QObject::connect(join, &QAction::triggered, menu, [&play, dialogParent] { joinGame(play, dialogParent); });
    QObject::connect(hangUp, &QAction::triggered, &play, &NetworkPlay::hangUpAsked);
    const auto followState = [&play, hangUp] { hangUp->setEnabled(play.active() || !play.code().isEmpty()); };
    QObject::connect(&play, &NetworkPlay::stateChanged, menu, followState);
    followState();
    // Before "Hilfe", which is the last menu.
    QAction* before = nullptr;
    for (QAction* action : bar.actions())
        if (action->text() == QLatin1String("&Hilfe"))
            before = action;
    bar.insertMenu(before, menu);
}

} // namespace bramlow
