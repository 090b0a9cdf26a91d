#pragma once
// The user's own folders for what the program writes: the journal of the game in progress
// in $XDG_STATE_HOME/bramlow (default ~/.local/state/bramlow), the options in
// $XDG_CONFIG_HOME/bramlow (default ~/.config/bramlow). A variable that is unset, empty or
// not an absolute path counts as unset; with HOME unset as well there is no folder, and
// nothing is written anywhere else.

#include <QString>

#include <optional>

namespace bramlow {

std::optional<QString> stateFolder();
std::optional<QString> configFolder();

// Without a configuration folder, points Qt's own settings (the file dialog keeps its
// history there) at a path that cannot be created, so that Qt writes nothing either.
void confineQtSettings();

// The German reason why there is no folder, for messages.
QString noUserFolderReason();

} // namespace bramlow
