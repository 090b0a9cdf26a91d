#include "level_choice.h"

#include "record/options_file.h"

#include <QMenu>
#include <QSettings>

#include <cstdio>

namespace bramlow {

namespace {

const QString kKey = QStringLiteral("Optionen/Spielstaerke");

} // namespace

QString levelName(ComputerLevel level)
{
    switch (level) {
    case ComputerLevel::Leicht: return QStringLiteral("leicht");
    case ComputerLevel::Stark: return QStringLiteral("stark");
    case ComputerLevel::Mittel: break;
    }
    return QStringLiteral("mittel");
}

std::optional<ComputerLevel> levelNamed(const QString& name)
{
    for (const auto level : {ComputerLevel::Leicht, ComputerLevel::Mittel, ComputerLevel::Stark}) {
        if (name == levelName(level))
            return level;
    }
    return std::nullopt;
}

LevelChoice::LevelChoice()
{
    const std::pair<QAction*, ComputerLevel> entries[] = {
        {&leicht_, ComputerLevel::Leicht}, {&mittel_, ComputerLevel::Mittel}, {&stark_, ComputerLevel::Stark}};
    for (const auto& [entry, level] : entries) {
        entry->setObjectName(QStringLiteral("menuStaerke") + levelName(level));
        entry->setCheckable(true);
        entry->setActionGroup(&group_);
        // Only a person's choice is saved, as with the other options.
        connect(entry, &QAction::triggered, this, [this, level] {
            const QString error = saveOption(kKey, levelName(level));
            if (!error.isEmpty())
                emit saveFailed(error);
        });
    }
    const auto file = optionsFile();
    const QSettings settings(file.value_or(QString()), QSettings::IniFormat);
    const QVariant saved = file ? settings.value(kKey) : QVariant();
    const auto level = levelNamed(saved.toString());
    if (saved.isValid() && !level) {
        const QString warning = QStringLiteral("Bramlow: Die Einstellung „%1“ in „%2“ hat den ungültigen Wert „%3“; es gilt „mittel“.")
                                    .arg(kKey, settings.fileName(), saved.toString());
        std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());
    }
    setLevelForThisRun(level.value_or(ComputerLevel::Mittel));
}

ComputerLevel LevelChoice::level() const
{
    if (leicht_.isChecked())
        return ComputerLevel::Leicht;
    return stark_.isChecked() ? ComputerLevel::Stark : ComputerLevel::Mittel;
}

void LevelChoice::setLevelForThisRun(ComputerLevel level)
{
    (level == ComputerLevel::Leicht ? leicht_ : level == ComputerLevel::Stark ? stark_ : mittel_).setChecked(true);
}

void LevelChoice::addMenuTo(QMenu& menu)
{
    QMenu* levels = menu.addMenu(QStringLiteral("S&pielstärke"));
    levels->setObjectName(QStringLiteral("menuSpielstaerke"));
    levels->addActions(group_.actions());
}

} // namespace bramlow
