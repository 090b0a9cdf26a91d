#pragma once
// The game's main window Bramlow: the board view of 96 picture cells over the logo, the
// die, the message panel, two buttons, the menus and the auto-size control. It is the
// engine's window (WindowView) and hands every click to the engine in one call.

#include "auto_size_control.h"
#include "turn_narration.h"
#include "engine/engine.h"
#include "engine/draw_feed.h"
#include "engine/random_source.h"
#include "engine/window_view.h"
#include "record/game_recorder.h"
#include "record/played_game.h"
#include "window/media/sound_player.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

class QAction;
class QGroupBox;
class QLabel;
class QPixmap;
class QPushButton;

namespace bramlow {

class BoardKeyboard;
class MoveMarks;
class PictureBox;
class TextBoxWidget;

class BramlowWindow : public QMainWindow, public WindowView, public PlayedGame {
    Q_OBJECT
public:
    // Inner size of the form (the central widget, below the menu bar) as designed.
    static constexpr int formWidthTwips = 12375;
    static constexpr int formHeightTwips = 8745;
    static QSize formSize(); // in pixels
    // Exit status when libTrellAuto.so cannot be loaded (the picture errors use 3 to 5,
    // a fault of the engine 7).
    static constexpr int controlLibraryExitCode = 6;

    // `programDir` holds the pictures, the sounds and libTrellAuto.so. Runs Form_Load:
    // a missing picture or control library ends the program before the window shows.
    explicit BramlowWindow(const QString& programDir, RandomSource& random = processRandomSource());
    ~BramlowWindow() override;

    // The cell `index` (11..88) of an array; nullptr for an index the array lacks.
    PictureBox* cell(CellArray array, int index) const;
    QWidget* form() const { return centralWidget(); }
    // Read only: the computer chooses its move from the position, then clicks like a person.
    const Engine& engine() const override { return engine_; }
    // Off: Play returns at once without a sound.
    void setSoundOn(bool on) { soundOn_ = on; }
    bool soundOn() const { return soundOn_; }

    // WindowView
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    void setMessage(const std::string& caption) override;
    void setCellPicture(CellArray array, std::int16_t index, const std::string& file) override;
    void setDiePicture(const std::string& file) override;
    void setImage1Enabled(bool enabled) override;
    void setDieVisible(bool visible) override;
    void Play(const std::string& datei) override;

    // The game as played and recorded (window_record.cpp): the draws' seam, the record of the
    // game on screen, the person's gate.
    DrawFeed& draws() override { return draws_; }
    const DrawFeed& draws() const override { return draws_; }
    const GameRecorder& recorder() const { return recorder_; }
    void cellClick(const Cell& cell) override;
    void resetTo(const StartState& start) override;
    std::string message() const override;
    bool image1Enabled() const override;
    int dieFace() const override { return dieFace_; }
    // While on, actions are recorded but not announced (a replay rebuilds the record), and
    // the pictures are loaded once, for the last state, when it is switched off.
    void setReplaying(bool on);
    // Asked before a person's click on the die, the logo or a cell is taken.
    void setPersonGate(std::function<bool(std::optional<Player>)> gate) { personGate_ = std::move(gate); }
    // Frames the source and destination of the move just made (by the computer or a
    // network peer) until the next action.
    void markLastMove();
    // The keys W and E: the die and the logo, as far as a person's click on them would act now.
    void rollByKey();
    void endTurnByKey();
    // Asked before any click that may draw (new game, die); false holds the click back
    // (network play makes it itself once both sides have drawn).
    void setDrawGate(std::function<bool(Handler)> gate) { drawGate_ = std::move(gate); }

    // Handlers, one per event of the window.
    void neu_but_Click() override;
    void menuNeu_Click();
    void ende_Click();
    void menuEnde_Click();
    void menuHilfe_Click();
    void wuerfel_Click() override;
    void Image1_Click() override;
    void b_Click(int index);
    void s_Click(int index);
    void g_Click(int index);

signals:
    // "Hilfe" was chosen; the about screen belongs to the program, not to this window.
    void aboutRequested();
    // An action was taken and recorded as `lines` (the action, maybe a check value).
    void actionRecorded(const bramlow::RecordEntries& lines);
    // The engine wrote a text box in play, not in a replay (the statistics watch for a win).
    void textWritten(TextBox box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void buildBoardView(QWidget* form);
    void buildMenus();
    void Form_Load();
    void Form_Resize();
    TextBoxWidget* textBox(TextBox box) const;
    QWidget* boxParent();
    void showWhatReacts();
    template <typename Call>
    void guarded(Handler handler, const Cell& cell, Call&& call);
    void noteAction(Handler handler, const Cell& cell, const GameRecorder::Before& before);
    bool personMayAct() const;
    // While a record replays: keeps the picture for later and returns true. Index 0 of b is
    // the die.
    bool deferPicture(CellArray array, int index, const std::string& file);
    // Shows `picture`, read from `file`, in the cell (index 0 of b: the die) and names it so.
    void showPicture(CellArray array, int index, const std::string& file, const QPixmap& picture);

    QString programDir_;
    SoundPlayer sound_;

    PictureBox* image1_ = nullptr;
    PictureBox* image2_ = nullptr;
    PictureBox* wuerfel_ = nullptr;
    // Indexed by the cell's Index; elements for indexes an array lacks stay nullptr.
    std::array<PictureBox*, 100> b_{};
    std::array<PictureBox*, 100> s_{};
    std::array<PictureBox*, 100> g_{};
    TextBoxWidget* ausgabe1_ = nullptr;
    TextBoxWidget* ausgabe2_ = nullptr;
    TextBoxWidget* speicher_ = nullptr;
    TextBoxWidget* speicher2_ = nullptr;
    QLabel* ausgabe11_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QPushButton* neuBut_ = nullptr;
    QPushButton* ende_ = nullptr;
    BoardKeyboard* keyboard_ = nullptr;
    MoveMarks* moveMarks_ = nullptr;
    TurnNarration narration_;
    std::optional<AutoSizeControl> trellAutoSize1_;

    bool soundOn_ = true;
    int dieFace_ = 6;
    DrawFeed draws_;
    GameRecorder recorder_;
    bool replaying_ = false;
    // What a replay leaves to its end (window_record.cpp), where each is shown once: the last
    // picture of each cell, the message, the logo's switch, the die's visibility.
    struct Deferred {
        std::map<std::pair<CellArray, int>, std::string> pictures;
        std::optional<std::string> message;
        std::optional<bool> image1Enabled;
        std::optional<bool> dieVisible;
    };
    Deferred deferred_;
    // The file each cell shows, so that the end of a replay reads only the pictures that changed.
    std::map<std::pair<CellArray, int>, std::string> shownPictures_;
    // Where showWhatReacts last put a pointing hand: the cells, the die, the logo.
    std::optional<std::array<bool, 3>> pointing_;
    std::function<bool(std::optional<Player>)> personGate_;
    std::function<bool(Handler)> drawGate_;
    Engine engine_;
};

} // namespace bramlow
