#pragma once
// What one click did, told in a German sentence for a screen reader: the window reports
// every change the engine makes while one handler runs (texts, pictures, sounds), and
// the narration puts them together when the handler has returned, e.g. "Silber würfelt
// eine 4. Welche Figur bewegen?" or "Gold zieht von b35 nach b24 und schlägt Silber;
// die Figur geht zurück auf s18. Es spielt Spieler Silber. Bitte wuerfeln!".

#include "engine/cell_code.h"
#include "engine/window_view.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace bramlow {

class TurnNarration {
public:
    // A handler starts; `playerLine` is ausgabe1's text, which names who acts.
    void begin(const std::string& playerLine);
    void newGame() { newGame_ = true; }

    void textWritten(TextBox box, const std::string& text);
    void messageShown(const std::string& caption);
    void cellShown(CellArray array, int index, CellCode code);
    void dieShown(const std::string& file);
    void soundPlayed(const std::string& datei);

    // The sentence for everything since begin(); empty when nothing changed.
    QString sentence() const;

    struct Place {
        CellArray array;
        int index;
    };
    // Where the piece moved since begin() came from and went to, if one moved.
    std::optional<std::pair<Place, Place>> move() const;

private:
    QString actor_;
    bool newGame_ = false;
    std::optional<int> face_;
    std::optional<Place> pickedUp_, from_, to_, sentHome_;
    QString refusal_;
    bool refusedSound_ = false;
    std::optional<std::string> playerLine_, prompt_;
};

} // namespace bramlow
