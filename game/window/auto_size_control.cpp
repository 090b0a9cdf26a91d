#include "auto_size_control.h"

#include "trellauto/control_factory.h"
#include "window/media/program_files.h"
#include "window/media/program_folder.h"
#include "window/media/twips.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <QTemporaryDir>

#include <optional>

namespace bramlow {

namespace {
constexpr qint64 kMaxCopiedLibraryBytes = 64 * 1024 * 1024; // 20 times the library's size
} // namespace

TrellControlFactory* loadControlFactory(const QString& programDir, QString& cause)
{
    // An absolute path from the program's directory: QPluginLoader then never searches
    // the working directory or a library path that the environment can change.
    const QString path = QFileInfo(programFile(programDir, QLatin1String(controlLibraryName))).absoluteFilePath();
    const QFileInfo file(path);
    if (!file.exists()) {
        cause = QStringLiteral("Die Datei fehlt.");
        return nullptr;
    }
    // A FIFO or a device would stall the loader, which reads the file before it runs any of it.
    if (!file.isFile() && !file.isDir()) {
        cause = QStringLiteral("Die Datei ist keine gewöhnliche Datei.");
        return nullptr;
    }

    // QPluginLoader resolves a path to its real name as a Qt string, which cannot hold a
    // folder name that is no UTF-8: such a library is loaded from a private copy of its
    // bytes, removed once loaded.
    std::optional<QTemporaryDir> copyDir;
    QString loaded = path;
    if (reachedThroughHandle(path)) {
        copyDir.emplace();
        loaded = copyDir->filePath(QLatin1String(controlLibraryName));
        if (file.size() > kMaxCopiedLibraryBytes || !QFile::copy(path, loaded)) {
            cause = QStringLiteral("Die Datei kann nicht gelesen werden.");
            return nullptr;
        }
    }
    QPluginLoader loader(loaded);
    // Reading the metadata does not run any code of the library.
    const QJsonObject metaData = loader.metaData();
    if (metaData.isEmpty()) {
        cause = QStringLiteral("Die Datei ist keine ladbare Qt-Erweiterung (%1).").arg(loader.errorString());
        return nullptr;
    }
    if (metaData.value(QLatin1String("IID")).toString() != QLatin1String(TrellControlFactory_iid)) {
        cause = QStringLiteral("Die Erweiterung bietet die Schnittstelle „%1“ nicht an.")
                    .arg(QLatin1String(TrellControlFactory_iid));
        return nullptr;
    }
    const QJsonObject identity = metaData.value(QLatin1String("MetaData")).toObject();
    if (identity.value(QLatin1String("ProgId")).toString() != QLatin1String(trellauto::kProgId)) {
        cause = QStringLiteral("Die Erweiterung enthält das Steuerelement „%1“ nicht.")
                    .arg(QLatin1String(trellauto::kProgId));
        return nullptr;
    }

    QObject* instance = loader.instance();
    if (!instance) {
        cause = QStringLiteral("Die Erweiterung lässt sich nicht laden (%1).").arg(loader.errorString());
        return nullptr;
    }
    // The loader is not unloaded: the instance and the controls it makes live until the
    // program ends.
    auto* factory = qobject_cast<TrellControlFactory*>(instance);
    if (!factory)
        cause = QStringLiteral("Die Erweiterung liefert keine Steuerelement-Fabrik.");
    return factory;
}

std::optional<AutoSizeControl> AutoSizeControl::create(const QString& programDir, QWidget* form,
                                                       QString& cause)
{
    TrellControlFactory* factory = loadControlFactory(programDir, cause);
    if (!factory)
        return std::nullopt;
    QWidget* control = factory->createControl(QLatin1String(trellauto::kProgId), form);
    if (!control) {
        cause = QStringLiteral("Die Erweiterung kann das Steuerelement „%1“ nicht erzeugen.")
                    .arg(QLatin1String(trellauto::kProgId));
        return std::nullopt;
    }
    control->setObjectName(QStringLiteral("TrellAutoSize1"));
    // The window stores only the control's extent; every property keeps its default.
    control->setGeometry(twipsRect(9360, 0, 495, 495));
    return AutoSizeControl(factory, control);
}

AutoSizeControl::AutoSizeControl(TrellControlFactory* factory, QWidget* control)
    : factory_(factory)
    , control_(control)
{
}

void AutoSizeControl::Init() { call(trellauto::dispid::Init); }

void AutoSizeControl::Sizechanged() { call(trellauto::dispid::Sizechanged); }

void AutoSizeControl::call(qint32 dispId)
{
    // The result is an empty value on success; a failure changes nothing on the form,
    // and the window has nothing to do about it either way.
    if (control_)
        factory_->invoke(control_, dispId, trellauto::DispatchKind::Method);
}

} // namespace bramlow
