#include "auto_size_control.h"

#include "trellauto/control_factory.h"
#include "window/media/program_files.h"
#include "window/media/program_folder.h"
#include "window/media/twips.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <QTemporaryDir>

#include <elf.h>

#include <cstring>
#include <optional>

namespace bramlow {

namespace {
constexpr qint64 kMaxCopiedLibraryBytes = 64 * 1024 * 1024; // 20 times the library's size

// False for a 64-bit ELF file cut short: a segment, the program headers or the section
// table reaching past its end. The loader maps segments beyond the end all the same, and a
// page there faults only when the program first touches it, long after loading; whether
// Qt's own reader notices depends on where the cut falls. Anything else is left to Qt.
bool libraryComplete(const QString& path)
{
    QFile file(path);
    Elf64_Ehdr header;
    if (!file.open(QIODevice::ReadOnly) || file.read(reinterpret_cast<char*>(&header), sizeof header) != sizeof header
        || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64)
        return true;
    const quint64 size = quint64(file.size());
    const auto within = [size](quint64 offset, quint64 length) { return offset <= size && length <= size - offset; };
    if (header.e_phentsize != sizeof(Elf64_Phdr) || !within(header.e_phoff, quint64(header.e_phnum) * sizeof(Elf64_Phdr))
        || !within(header.e_shoff, quint64(header.e_shnum) * header.e_shentsize) || !file.seek(qint64(header.e_phoff)))
        return false;
    for (int i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment;
        if (file.read(reinterpret_cast<char*>(&segment), sizeof segment) != sizeof segment
            || !within(segment.p_offset, segment.p_filesz))
            return false;
    }
    return true;
}
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
    if (!libraryComplete(loaded)) {
        cause = QStringLiteral("Die Datei ist unvollständig.");
        return nullptr;
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
