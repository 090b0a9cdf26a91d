#pragma once
// The menu "Spiel": the two actions that otherwise need the mouse or the keyboard frame
// on the die or the logo, on one key each (W rolls, E or Ctrl+E ends the turn), and the
// full screen on F11. Keys that open no menu: F10 opens the menu bar.

class QMenuBar;

namespace bramlow {

class BramlowWindow;

// Puts the menu behind the first menu of the window's menu bar and adds F10.
void addPlayMenu(BramlowWindow& window, QMenuBar& bar);

} // namespace bramlow
