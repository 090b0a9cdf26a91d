#pragma once
// Every fixed text of the game: the state texts that the handlers compare character by
// character, the messages, and the bare names of the sound files.

#include <string>

namespace bramlow {

// Contents of ausgabe2: the phase of the turn.
namespace prompt {
inline const std::string welcome = "Bitte neues Spiel wählen!";
inline const std::string roll = "Bitte wuerfeln!";
inline const std::string select = "Welche Figur bewegen?";
inline const std::string destination = "Wohin bewegen?";
inline const std::string gameWon = "";
} // namespace prompt

// Contents of ausgabe1: whose turn it is.
namespace playerLine {
inline const std::string welcome = "Willkommen bei Bramlow";
inline const std::string prefix = "Es spielt Spieler ";
inline const std::string silber = "Es spielt Spieler Silber";
inline const std::string gold = "Es spielt Spieler Gold";
inline const std::string winPrefix = "Glückwunsch!\r\nGewonnen hat Spieler ";
} // namespace playerLine

// Captions of the message line ausgabe11.
namespace message {
inline const std::string ownPiece = "Besetzt vom eigenen Spieler";
inline const std::string startRow = "Im Startfeld darf nicht gegangen werden";
inline const std::string opponentHome = "nicht in gegenerische Felder";
inline const std::string wrongDistance = "Mit Wurf nicht zu erreichen";
inline const std::string backwards = "Zielreihe sitzt hinter Startreihe";
inline const std::string move = "Ich gehe!";
inline const std::string captureGold = "Ich schmeisse Gold";
inline const std::string captureSilber = "Ich schmeisse Silber";
} // namespace message

namespace sound {
inline const std::string gut = "gut.wav";
inline const std::string wuerfeln = "wuerfeln.wav";
inline const std::string ende = "ende.wav";
inline const std::string schlecht = "schlecht.wav";
inline const std::string schlagen = "schlagen.wav";
inline const std::string winner = "winner.wav";
} // namespace sound

// The winner's names passed to SUB_Fertig.
inline const std::string silberName = "Silber";
inline const std::string goldName = "Gold";

} // namespace bramlow
