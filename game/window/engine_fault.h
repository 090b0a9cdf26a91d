#pragma once
// The window's answer to an exception that escapes the engine during a click (a cell
// Index that no control has, a random source that never gives a number in [0, 1)): such
// a fault is never the player's doing and the game cannot go on from it, so it ends the
// program the way a broken picture does, with a German box naming the cause.

class QWidget;

namespace bramlow {

inline constexpr int kEngineFaultExitCode = 7;

// Call only from a catch block: reports the exception being handled and ends the program
// with kEngineFaultExitCode. The box opens over `parent`.
[[noreturn]] void reportEngineFaultAndExit(QWidget* parent);

} // namespace bramlow
