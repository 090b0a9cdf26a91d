#include "record_menu.h"

#include "journal.h"
#include "safe_file.h"
#include "window_replay.h"

#include "record/take_back.h"
#include "window/bramlow_window.h"
#include "window/sides/sides.h"

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <cstdio>

namespace bramlow {

namespace {

const QString fileFilter = QStringLiteral("Bramlow-Partien (*.bramlow)");

} // namespace

RecordMenu::RecordMenu(BramlowWindow& window, Journal& journal, Sides& sides)
    : QObject(&window)
    , window_(window)
    , journal_(journal)
    , sides_(sides)
{
    continue_ = addEntry("Letzte Partie fortsetzen", "menuFortsetzen", Qt::Key_L, &RecordMenu::continueLastGame);
    save_ = addEntry("Partie speichern…", "menuSpeichern", Qt::Key_S, &RecordMenu::saveGame);
    addEntry("Partie laden…", "menuLaden", Qt::Key_O, &RecordMenu::loadGame);
    undo_ = addEntry("Zug zurücknehmen", "menuZurueck", Qt::Key_Z, &RecordMenu::takeBackTurn);
    connect(&journal_, &Journal::existsChanged, this, &RecordMenu::updateEntries);
    connect(&sides_, &Sides::changed, this, &RecordMenu::updateEntries);
    connect(&window_, &BramlowWindow::actionRecorded, this, &RecordMenu::updateEntries);
    updateEntries();
}

QAction* RecordMenu::addEntry(const char* text, const char* objectName, int key, void (RecordMenu::*slot)())
{
    auto* datei = window_.menuBar()->findChild<QMenu*>(QStringLiteral("menuDate"));
    auto* ende = datei->findChild<QAction*>(QStringLiteral("menuEnde"));
    auto* entry = new QAction(QString::fromUtf8(text), datei);
    entry->setObjectName(QString::fromLatin1(objectName));
    entry->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(key)));
    datei->insertAction(ende, entry);
    connect(entry, &QAction::triggered, this, slot);
    return entry;
}

void RecordMenu::updateEntries()
{
    continue_->setEnabled(journal_.exists());
    save_->setEnabled(!window_.recorder().empty());
    const auto person = sides_.personAgainstComputer();
    undo_->setEnabled(person && takeBackLastTurn(window_.recorder().record(), *person));
}

void RecordMenu::report(const QString& message)
{
    lastMessage_ = message;
    std::fprintf(stderr, "bramlow: %s\n", message.toUtf8().constData());
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Bramlow"), message, QMessageBox::Ok, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Beside the game, not over it: the game goes on while the box is open.
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void RecordMenu::continueLastGame()
{
    const auto& path = journal_.path();
    if (!journal_.exists() || !path)
        return;
    RecordLimits limits;
    limits.dropUnfinishedLastLine = true;
    const FileRead read = readFileBounded(*path, static_cast<qint64>(limits.maxBytes));
    QString error = read.error;
    if (error.isEmpty())
        error = loadRecordOnto(window_, std::string_view(read.bytes.constData(), static_cast<std::size_t>(read.bytes.size())),
                               limits);
    if (!error.isEmpty()) {
        report(QStringLiteral("Die letzte Partie lässt sich nicht fortsetzen.\n%1").arg(error));
        return;
    }
    afterReplay();
}

void RecordMenu::saveGame()
{
    QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Partie speichern"), QString(), fileFilter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".bramlow")))
        path += QLatin1String(".bramlow");
    const QString error = writeFileSafely(path, QByteArray::fromStdString(recordText(window_.recorder().record())));
    if (!error.isEmpty())
        report(error);
}

void RecordMenu::loadGame()
{
    const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("Partie laden"), QString(), fileFilter);
    if (!path.isEmpty())
        loadFile(path);
}

bool RecordMenu::loadFile(const QString& path)
{
    const RecordLimits limits;
    const FileRead read = readFileBounded(path, static_cast<qint64>(limits.maxBytes));
    QString error = read.error;
    if (error.isEmpty())
        error = loadRecordOnto(window_, std::string_view(read.bytes.constData(), static_cast<std::size_t>(read.bytes.size())),
                               limits);
    if (!error.isEmpty()) {
        report(QStringLiteral("Die Partie „%1“ lässt sich nicht laden.\n%2").arg(path, error));
        return false;
    }
    afterReplay();
    return true;
}

void RecordMenu::takeBackTurn()
{
    const auto person = sides_.personAgainstComputer();
    const Record record = window_.recorder().record();
    const auto back = person ? takeBackLastTurn(record, *person) : std::nullopt;
    if (!back)
        return;
    replayOnWindow(window_, record, back->keep);
    for (const float draw : back->draws)
        window_.draws().supply(draw);
    afterReplay();
}

void RecordMenu::afterReplay()
{
    journal_.replace(window_.recorder().record(), isWon(window_));
    // The computer plans afresh from the position on screen.
    sides_.follow(&window_);
    updateEntries();
}

} // namespace bramlow
