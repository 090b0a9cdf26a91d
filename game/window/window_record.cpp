// The main window as a played game: what the record needs of it beyond the engine's view,
// and the recording of every action its handlers take.
#include "bramlow_window.h"

#include "engine/die.h"
#include "media/picture_box.h"
#include "media/picture_loader.h"
#include "text_box_widget.h"

#include <QLabel>
#include <QPixmap>

#include <map>
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

std::string BramlowWindow::message() const
{
    return deferred_.message ? *deferred_.message : ausgabe11_->text().toStdString();
}

bool BramlowWindow::image1Enabled() const
{
    return deferred_.image1Enabled ? *deferred_.image1Enabled : image1_->isEnabled();
}

void BramlowWindow::noteAction(Handler handler, const Cell& cell, const GameRecorder::Before& before)
{
    const RecordEntries lines = recorder_.after(handler, cell, before, *this);
    if (!lines.empty() && !replaying_)
        emit actionRecorded(lines);
}

bool BramlowWindow::deferPicture(CellArray array, int index, const std::string& file)
{
    if (replaying_)
        deferred_.pictures[{array, index}] = file;
    return replaying_;
}

void BramlowWindow::setReplaying(bool on)
{
    replaying_ = on;
    if (on)
        return;
    // The window as after the last action, each control set once and only where it changed:
    // no text laid out, picture read or accessible name announced for a step in between.
    Deferred last = std::exchange(deferred_, {});
    for (const TextBox box : {TextBox::ausgabe1, TextBox::ausgabe2, TextBox::speicher, TextBox::speicher2})
        textBox(box)->display();
    if (last.message)
        setMessage(*last.message);
    if (last.image1Enabled)
        image1_->setEnabled(*last.image1Enabled);
    if (last.dieVisible)
        setDieVisible(*last.dieVisible);
    // Each file that a cell newly shows is read once, however many cells show it.
    std::map<std::string, QPixmap> read;
    for (const auto& [cell, file] : last.pictures) {
        if (shownPictures_[cell] == file || (cell.second != 0 && !this->cell(cell.first, cell.second)))
            continue;
        auto picture = read.find(file);
        if (picture == read.end())
            picture = read.emplace(file, loadPictureOrExit(programDir_, QString::fromStdString(file), boxParent())).first;
        showPicture(cell.first, cell.second, file, picture->second);
    }
    showWhatReacts();
}

bool BramlowWindow::personMayAct() const
{
    return !personGate_ || personGate_(playerFromText(text(TextBox::ausgabe1)));
}

} // namespace bramlow
