#include "game_options.h"

#include "record/options_file.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include <cstdio>

namespace bramlow {

namespace {

// A value that is not a truth value (an edited or damaged file) is reported and the
// entry keeps its default; the file is left as it is until the entry is chosen again.
bool readFlag(const QSettings& settings, const QString& key, bool byDefault)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return byDefault;
    const QString text = value.toString();
    if (text == QLatin1String("true") || text == QLatin1String("false"))
        return text == QLatin1String("true");
    const QString warning = QStringLiteral("Bramlow: Die Einstellung „%1“ in „%2“ hat den ungültigen Wert „%3“; es gilt „%4“.")
                                .arg(key, settings.fileName(), text,
                                     byDefault ? QStringLiteral("an") : QStringLiteral("aus"));
    std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());
    return byDefault;
}

} // namespace

GameOptions::GameOptions()
{
    setUpEntry(computerSilber_, "menuComputerSilber", "Optionen/ComputerSpieltSilber", false);
    setUpEntry(computerGold_, "menuComputerGold", "Optionen/ComputerSpieltGold", false);
    setUpEntry(sound_, "menuTon", "Optionen/Ton", true);
    setUpEntry(freshDice_, "menuNeueWuerfelfolge", "Optionen/NeueWuerfelfolge", false);
    connect(&levels_, &LevelChoice::saveFailed, this, &GameOptions::saveFailed);
}

void GameOptions::setUpEntry(QAction& entry, const char* objectName, const char* key, bool byDefault)
{
    const QString settingsKey = QString::fromLatin1(key);
    entry.setObjectName(QString::fromLatin1(objectName));
    entry.setCheckable(true);
    const auto file = optionsFile();
    entry.setChecked(file ? readFlag(QSettings(*file, QSettings::IniFormat), settingsKey, byDefault) : byDefault);
    // Only a person's choice (triggered) is saved; the command line's and the demo's end
    // (setChecked) are not.
    connect(&entry, &QAction::triggered, this, [this, settingsKey](bool checked) {
        const QString error = saveOption(settingsKey, checked ? QStringLiteral("true") : QStringLiteral("false"));
        if (!error.isEmpty())
            emit saveFailed(error);
    });
    connect(&entry, &QAction::toggled, this, &GameOptions::changed);
}

bool GameOptions::computerPlays(Player player) const
{
    return (player == Player::silber ? computerSilber_ : computerGold_).isChecked();
}

void GameOptions::setComputerForThisRun(ComputerSides sides)
{
    computerSilber_.setChecked(sides.silber);
    computerGold_.setChecked(sides.gold);
}

void GameOptions::addMenuTo(QMenuBar& bar)
{
    auto* menu = new QMenu(QStringLiteral("&Optionen"), &bar);
    menu->setObjectName(QStringLiteral("menuOptionen"));
    menu->addAction(&computerSilber_);
    menu->addAction(&computerGold_);
    menu->addSeparator();
    menu->addAction(&sound_);
    menu->addSeparator();
    levels_.addMenuTo(*menu);
    menu->addAction(&freshDice_);
    bar.insertMenu(bar.actions().value(1), menu);
}

} // namespace bramlow
