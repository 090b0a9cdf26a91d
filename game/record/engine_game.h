#pragma once
// The engine alone as a played game: a window that keeps its texts, the message, the logo's
// switch and the die's face, and no pictures or sounds. A record is checked here before it
// reaches the real window; the benchmarks and the fuzz target replay on it at full speed.

#include "record/game_recorder.h"
#include "record/played_game.h"

#include <array>
#include <optional>

namespace bramlow {

class EngineGame final : public PlayedGame, private WindowView {
public:
    // `own` gives the draws that no record supplies.
    explicit EngineGame(RandomSource& own = processRandomSource());

    void neu_but_Click() override { act(Handler::neu, {}, [this] { engine_->neu_but_Click(); }); }
    void wuerfel_Click() override { act(Handler::wuerfel, {}, [this] { engine_->wuerfel_Click(); }); }
    void Image1_Click() override;
    void cellClick(const Cell& cell) override;
    void resetTo(const StartState& start) override;

    const Engine& engine() const override { return *engine_; }
    std::string text(TextBox box) const override { return texts_[static_cast<std::size_t>(box)]; }
    std::string message() const override { return message_; }
    bool image1Enabled() const override { return image1Enabled_; }
    int dieFace() const override { return dieFace_; }
    DrawFeed& draws() override { return draws_; }
    const DrawFeed& draws() const override { return draws_; }

    const GameRecorder& recorder() const { return recorder_; }

private:
    template <typename Call>
    void act(Handler handler, const Cell& cell, Call&& call)
    {
        const auto before = GameRecorder::before(*this);
        call();
        recorder_.after(handler, cell, before, *this);
    }

    // WindowView
    void setText(TextBox box, const std::string& text) override { texts_[static_cast<std::size_t>(box)] = text; }
    void setMessage(const std::string& caption) override { message_ = caption; }
    void setCellPicture(CellArray, std::int16_t, const std::string&) override {}
    void setDiePicture(const std::string& file) override;
    void setImage1Enabled(bool enabled) override { image1Enabled_ = enabled; }
    void setDieVisible(bool) override {}
    void Play(const std::string&) override {}

    DrawFeed draws_;
    std::optional<Engine> engine_;
    GameRecorder recorder_;
    std::array<std::string, 4> texts_;
    std::string message_;
    bool image1Enabled_ = false;
    int dieFace_ = 6;
};

} // namespace bramlow
