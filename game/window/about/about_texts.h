#pragma once
// The texts of the about screen.

#include <QString>

namespace bramlow {

// "Version " then major, minor and revision in decimal, joined by "."; no blanks.
QString versionText(int major, int minor, int revision);
// The version of this build: "Version 1.0.0".
QString programVersionText();

inline constexpr char16_t kAboutCaption[] = u"Informationen zum Spiel";
inline constexpr char16_t kProductName[] = u"Bramlow";
// The program is built for and runs on Linux.
inline constexpr char16_t kPlatformLine[] = u"für Linux";
// The maker's notice, three lines.
inline constexpr char16_t kMakerFirstLine[] = u"Bramlow-Entwickler";
inline constexpr char16_t kMakerSecondLine[] = u"© 2026";
inline constexpr char16_t kMakerThirdLine[] = u"Ein Brettspiel für zwei Spieler";
inline constexpr char16_t kBackToGame[] = u"Zurück zum Spiel";

} // namespace bramlow
