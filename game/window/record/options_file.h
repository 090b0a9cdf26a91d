#pragma once
// The options' file, $XDG_CONFIG_HOME/bramlow/bramlow.conf (default ~/.config/bramlow), in
// the format QSettings reads. It is written whole through a temporary file and a rename, so
// a failed save loses nothing that was saved before.

#include <QString>

#include <optional>

namespace bramlow {

// Nothing without a user folder (user_folders.h).
std::optional<QString> optionsFile();

// Sets `key` ("Optionen/Ton") to `value` and keeps every other saved key. Empty on success,
// else a German message.
QString saveOption(const QString& key, const QString& value);

} // namespace bramlow
