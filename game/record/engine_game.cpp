#include "record/engine_game.h"

#include "engine/die.h"

namespace bramlow {

EngineGame::EngineGame(RandomSource& own) : draws_(own) { resetTo({}); }

void EngineGame::Image1_Click()
{
    // A disabled Image1 raises no click.
    if (image1Enabled_)
        act(Handler::image1, {}, [this] { engine_->Image1_Click(); });
}

void EngineGame::cellClick(const Cell& cell)
{
    act(Handler::cell, cell, [&] {
        if (cell.letter == 'b')
            engine_->b_Click(cell.index());
        else if (cell.letter == 's')
            engine_->s_Click(cell.index());
        else
            engine_->g_Click(cell.index());
    });
}

void EngineGame::resetTo(const StartState& start)
{
    engine_.emplace(static_cast<WindowView&>(*this), draws_);
    recorder_.clear();
    texts_[static_cast<std::size_t>(TextBox::speicher)] = start.speicher;
    texts_[static_cast<std::size_t>(TextBox::speicher2)] = start.speicher2;
    engine_->Main();
    message_ = start.message;
    image1Enabled_ = start.image1Enabled;
    dieFace_ = start.dieFace;
}

void EngineGame::setDiePicture(const std::string& file)
{
    if (const int face = faceOfDiePicture(file))
        dieFace_ = face;
}

} // namespace bramlow
