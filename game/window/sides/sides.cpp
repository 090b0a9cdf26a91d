#include "sides.h"

#include "window/bramlow_window.h"
#include "window/game_options.h"

namespace bramlow {

Sides::Sides(GameOptions& options, Side& computer)
    : options_(options)
    , computer_(computer)
{
    connect(&options_, &GameOptions::changed, this, &Sides::changed);
}

SideKind Sides::kind(Player player) const
{
    if (peers_[static_cast<int>(player)])
        return SideKind::peer;
    return options_.computerPlays(player) ? SideKind::computer : SideKind::person;
}

std::optional<Player> Sides::personAgainstComputer() const
{
    for (const Player person : {Player::silber, Player::gold}) {
        if (kind(person) == SideKind::person && kind(opponentOf(person)) == SideKind::computer)
            return person;
    }
    return std::nullopt;
}

void Sides::seatPeer(Player player, Side* peer)
{
    peers_[static_cast<int>(player)] = peer;
    if (peer)
        peer->follow(window_);
    emit changed();
}

void Sides::follow(BramlowWindow* window)
{
    window_ = window;
    computer_.follow(window);
    for (Side* peer : peers_)
        if (peer)
            peer->follow(window);
}

void Sides::actionTaken(const RecordEntries& lines)
{
    computer_.actionTaken(lines);
    // A peer seated for both players is told once.
    if (peers_[0])
        peers_[0]->actionTaken(lines);
    if (peers_[1] && peers_[1] != peers_[0])
        peers_[1]->actionTaken(lines);
}

} // namespace bramlow
