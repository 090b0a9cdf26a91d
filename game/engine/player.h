#pragma once
// The two players as the rules see them. Whose turn it is lives only in the text of
// ausgabe1; these helpers read it, and turn_end.h writes it.

#include "engine/cell_code.h"

#include <optional>
#include <string>

namespace bramlow {

enum class Player { silber, gold };

// Silber for exactly "Es spielt Spieler Silber", Gold for exactly "Es spielt Spieler
// Gold", nothing for any other text (the welcome and the win texts).
std::optional<Player> playerFromText(const std::string& ausgabe1);

const std::string& playerText(Player player);

// "Silber" or "Gold": the name in the player and win texts.
const std::string& playerName(Player player);

Player opponentOf(Player player);

bool ownsPiece(Player player, CellCode code);

// The code that shows the player's piece as picked up, wherever it stands.
CellCode selectedCode(Player player);

// Letter of the player's home grid: 's' or 'g'.
char homeLetter(Player player);

} // namespace bramlow
