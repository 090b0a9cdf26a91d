#pragma once
// The menu "Netzwerk", between "Optionen" and "Hilfe": open a game, join one, hang up.

class QMenuBar;
class QWidget;

namespace bramlow {

class NetworkPlay;

void addNetworkMenu(QMenuBar& bar, NetworkPlay& play, QWidget* dialogParent);

} // namespace bramlow
