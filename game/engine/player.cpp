#include "engine/player.h"

#include "engine/game_texts.h"

namespace bramlow {

std::optional<Player> playerFromText(const std::string& ausgabe1)
{
    if (ausgabe1 == playerLine::silber)
        return Player::silber;
    if (ausgabe1 == playerLine::gold)
        return Player::gold;
    return std::nullopt;
}

const std::string& playerText(Player player)
{
    return player == Player::silber ? playerLine::silber : playerLine::gold;
}

const std::string& playerName(Player player) { return player == Player::silber ? silberName : goldName; }

Player opponentOf(Player player) { return player == Player::silber ? Player::gold : Player::silber; }

bool ownsPiece(Player player, CellCode code)
{
    return player == Player::silber ? isSilberPiece(code) : isGoldPiece(code);
}

CellCode selectedCode(Player player) { return player == Player::silber ? SILBER_SELECTED : GOLD_SELECTED; }

char homeLetter(Player player) { return player == Player::silber ? 's' : 'g'; }

} // namespace bramlow
