// The main window as a played game: what the record needs of it beyond the engine's view,
// and the recording of every action its handlers take.
#include "bramlow_window.h"

#include "engine/die.h"
#include "media/picture_box.h"
#include "text_box_widget.h"

#include <QLabel>

#include <utility>

namespace bramlow {

void BramlowWindow::cellClick(const Cell& cell)
{
    switch (cell.letter) {
    case 's': s_Click(cell.index()); break;
    case 'g': g_Click(cell.index()); break;
    default: b_Click(cell.index()); break;
    }
}

void BramlowWindow::resetTo(const StartState& start)
{
    recorder_.clear();
    engine_.Main();
    setImage1Enabled(start.image1Enabled);
    setDiePicture(diePicture(static_cast<std::int16_t>(start.dieFace)));
    setMessage(start.message);
    setText(TextBox::speicher, start.speicher);
    setText(TextBox::speicher2, start.speicher2);
}

std::string BramlowWindow::message() const { return ausgabe11_->text().toStdString(); }

bool BramlowWindow::image1Enabled() const { return image1_->isEnabled(); }

void BramlowWindow::noteAction(Handler handler, const Cell& cell, const GameRecorder::Before& before)
{
    const RecordEntries lines = recorder_.after(handler, cell, before, *this);
    if (!lines.empty() && !replaying_)
        emit actionRecorded(lines);
}

bool BramlowWindow::deferPicture(CellArray array, int index, const std::string& file)
{
    if (replaying_)
        deferredPictures_[{array, index}] = file;
    return replaying_;
}

void BramlowWindow::setReplaying(bool on)
{
    replaying_ = on;
    if (on)
        return;
    for (const TextBox box : {TextBox::ausgabe1, TextBox::ausgabe2, TextBox::speicher, TextBox::speicher2})
        textBox(box)->setText(textBox(box)->text());
    const auto pictures = std::exchange(deferredPictures_, {});
    for (const auto& [cell, file] : pictures) {
        if (cell.first == CellArray::b && cell.second == 0)
            setDiePicture(file);
        else
            setCellPicture(cell.first, static_cast<std::int16_t>(cell.second), file);
    }
    showWhatReacts();
}

bool BramlowWindow::personMayAct() const
{
    return !personGate_ || personGate_(playerFromText(text(TextBox::ausgabe1)));
}

} // namespace bramlow
