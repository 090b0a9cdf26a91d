#include "move_hint.h"

#include "announcement.h"
#include "bramlow_window.h"
#include "engine/computer_player.h"
#include "engine/game_texts.h"
#include "engine/player.h"
#include "game_options.h"
#include "window/media/picture_box.h"

#include <QFrame>

namespace bramlow {

namespace {

CellArray arrayOf(char letter) { return letter == 's' ? CellArray::s : letter == 'g' ? CellArray::g : CellArray::b; }

QString nameOf(const CellClick& cell) { return QLatin1Char(cell.letter) + QString::number(cell.index); }

} // namespace

MoveHint::MoveHint(const GameOptions& options) : options_(options)
{
    timer_.setSingleShot(true);
    timer_.setInterval(shownMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        for (const auto& frame : frames_)
            if (frame)
                frame->hide();
    });
}

QString MoveHint::show(BramlowWindow& window)
{
    const std::string phase = window.text(TextBox::ausgabe2);
    const auto player = playerFromText(window.text(TextBox::ausgabe1));
    if ((phase != prompt::select && phase != prompt::destination) || !player || options_.computerPlays(*player))
        return {};
    if (window_ != &window) {
        // A main window created anew gets frames of its own.
        window_ = &window;
        for (auto& frame : frames_) {
            frame = new QFrame(window.form());
            frame->setObjectName(QStringLiteral("tippRahmen"));
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            frame->setStyleSheet(QStringLiteral("QFrame { border: 4px solid #e0ff00; background: transparent; }"));
            frame->hide();
        }
    }
    const auto move = chooseComputerMove(window.engine(), ComputerLevel::Stark);
    QString text = QStringLiteral("Tipp: kein Zug möglich, Zug beenden");
    if (move) {
        text = QStringLiteral("Tipp: Figur von %1 nach %2").arg(nameOf(move->piece), nameOf(move->destination));
        const CellClick cells[] = {move->piece, move->destination};
        for (int i = 0; i < 2; ++i) {
            const QWidget* cell = window.cell(arrayOf(cells[i].letter), cells[i].index);
            frames_[i]->setGeometry(QRect(cell->mapTo(window.form(), QPoint(0, 0)), cell->size()));
            frames_[i]->show();
            frames_[i]->raise();
        }
        timer_.start();
    }
    announce(text);
    return text;
}

} // namespace bramlow
