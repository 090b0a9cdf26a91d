#include "engine_fault.h"

#include "window/media/fatal_error.h"

#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>

namespace bramlow {

namespace {

// The engine's faults in German; its own English text goes to stderr for the developer.
QString currentCause()
{
    try {
        throw;
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "bramlow: %s\n", fault.what());
        if (dynamic_cast<const std::out_of_range*>(&fault))
            return QStringLiteral("Ein Feld, das es nicht gibt, wurde angesprochen.");
        if (dynamic_cast<const std::domain_error*>(&fault))
            return QStringLiteral("Der Zufallsgenerator liefert keine Zahl zwischen 0 und 1.");
        if (dynamic_cast<const std::bad_alloc*>(&fault))
            return QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
    } catch (...) {
    }
    return QStringLiteral("Ein unbekannter Fehler ist aufgetreten.");
}

} // namespace

void reportEngineFaultAndExit(QWidget* parent)
{
    reportFatalErrorAndExit(QStringLiteral("Interner Fehler im Spiel: %1\nBramlow wird beendet.").arg(currentCause()),
                            kEngineFaultExitCode, parent);
}

} // namespace bramlow
