#include "game_statistics.h"

#include "bramlow_window.h"
#include "engine/player.h"
#include "game_options.h"
#include "level_choice.h"
#include "record/options_file.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>

#include <cstdio>

namespace bramlow {

namespace {

const QString kWinText = QStringLiteral("Gewonnen hat Spieler ");

QString keyOf(ComputerLevel level, const char* what)
{
    return QStringLiteral("Statistik/%1%2").arg(levelName(level), QLatin1String(what));
}

int countAt(const QString& key)
{
    bool ok = false;
    const auto file = optionsFile();
    const int count = file ? QSettings(*file, QSettings::IniFormat).value(key).toInt(&ok) : 0;
    return ok && count > 0 ? count : 0;
}

} // namespace

GameStatistics::GameStatistics(const GameOptions& options) : options_(options) {}

void GameStatistics::follow(BramlowWindow* window)
{
    window_ = window;
    counted_ = false;
    connect(window, &BramlowWindow::textWritten, this, &GameStatistics::textWritten);
}

LevelRecord GameStatistics::record(ComputerLevel level) const
{
    return {countAt(keyOf(level, "Siege")), countAt(keyOf(level, "Niederlagen"))};
}

void GameStatistics::textWritten(TextBox box)
{
    if (box != TextBox::ausgabe1 || !window_)
        return;
    const QString text = QString::fromStdString(window_->text(TextBox::ausgabe1));
    if (playerFromText(text.toStdString())) {
        counted_ = false;
        return;
    }
    const int at = text.indexOf(kWinText);
    const bool silber = options_.computerPlays(Player::silber), gold = options_.computerPlays(Player::gold);
    // The win announced again after a click on the logo is the same game.
    if (at < 0 || counted_ || silber == gold)
        return;
    counted_ = true;
    const QString winner = text.mid(at + kWinText.size());
    const bool computerWon = (winner == QLatin1String("Silber")) == silber;
    const QString key = keyOf(options_.level(), computerWon ? "Niederlagen" : "Siege");
    // Kept with the options; a count that cannot be saved is reported there too.
    const QString error = saveOption(key, QString::number(countAt(key) + 1));
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
    if (dialog_)
        fillWindow();
}

void GameStatistics::showWindow(QWidget* parent)
{
    if (!dialog_) {
        dialog_ = new QDialog(parent);
        dialog_->setObjectName(QStringLiteral("frmStatistik"));
        dialog_->setWindowTitle(QStringLiteral("Statistik"));
        dialog_->setAttribute(Qt::WA_DeleteOnClose);
        auto* grid = new QGridLayout(dialog_);
        grid->addWidget(new QLabel(QStringLiteral("Gegen den Computer")), 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("Siege")), 0, 1);
        grid->addWidget(new QLabel(QStringLiteral("Niederlagen")), 0, 2);
        const QString names[] = {QStringLiteral("Leicht"), QStringLiteral("Mittel"), QStringLiteral("Stark")};
        for (int row = 0; row < 3; ++row) {
            grid->addWidget(new QLabel(names[row]), row + 1, 0);
            for (int column = 1; column <= 2; ++column) {
                auto* count = new QLabel(dialog_);
                count->setObjectName(QStringLiteral("anzahl%1%2").arg(row).arg(column));
                count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->addWidget(count, row + 1, column);
            }
        }
        fillWindow();
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void GameStatistics::fillWindow()
{
    const ComputerLevel levels[] = {ComputerLevel::Leicht, ComputerLevel::Mittel, ComputerLevel::Stark};
    for (int row = 0; row < 3; ++row) {
        const LevelRecord counts = record(levels[row]);
        auto* wins = dialog_->findChild<QLabel*>(QStringLiteral("anzahl%1%2").arg(row).arg(1));
        auto* losses = dialog_->findChild<QLabel*>(QStringLiteral("anzahl%1%2").arg(row).arg(2));
        wins->setText(QString::number(counts.wins));
        losses->setText(QString::number(counts.losses));
        wins->setAccessibleName(QStringLiteral("%1: %2 Siege").arg(levelName(levels[row])).arg(counts.wins));
        losses->setAccessibleName(QStringLiteral("%1: %2 Niederlagen").arg(levelName(levels[row])).arg(counts.losses));
    }
}

} // namespace bramlow
