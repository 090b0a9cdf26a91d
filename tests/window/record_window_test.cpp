// The game record at the real window: games replayed to the same window, a game resumed
// after its program was killed, hostile files, writes that fail, undo against the computer.

#include "../record/scripted_play.h"

#include "record/check_value.h"
#include "record/engine_game.h"
#include "record/take_back.h"
#include "window/game_app.h"
#include "window/media/picture_box.h"
#include "window/record/options_file.h"
#include "window/record/safe_file.h"
#include "window/record/window_replay.h"

#include "test_media_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bramlow {
namespace {

// Everything a player sees of the game: each cell's picture (by its accessible name, which
// names its code), the texts, the message, the die and the logo.
std::vector<std::string> screenOf(const BramlowWindow& window)
{
    std::vector<std::string> seen;
    for (const CellArray array : {CellArray::b, CellArray::s, CellArray::g})
        for (int index = 11; index <= 88; ++index)
            if (const PictureBox* cell = window.cell(array, index))
                seen.push_back(cell->accessibleName().toStdString());
    for (const TextBox box : {TextBox::ausgabe1, TextBox::ausgabe2, TextBox::speicher, TextBox::speicher2})
        seen.push_back(window.text(box));
    const auto* die = window.form()->findChild<PictureBox*>(QStringLiteral("wuerfel"));
    seen.push_back(window.message() + " / " + std::to_string(window.dieFace()) + (die->isHidden() ? " hidden" : " shown") +
                   (window.image1Enabled() ? " / logo on" : " / logo off"));
    return seen;
}

// The engine's view of what `game` shows: cells and texts, message, die, logo.
std::string gameOf(const PlayedGame& game)
{
    return std::to_string(checkValueOf(game)) + ' ' + game.message() + ' ' + std::to_string(game.dieFace()) +
           (game.image1Enabled() ? " on" : " off");
}

struct SeededDraws final : RandomSource {
    explicit SeededDraws(unsigned seed) : generator(seed) {}
    float next() override { return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f); }
    std::mt19937 generator;
};

TEST(RecordWindow, GamesRecordedAtTheWindowReplayToTheSameWindowOverAnotherGame)
{
    // A whole game, and one stopped with a piece in hand after a refused destination.
    for (const int calls : {5000, 57}) {
        SCOPED_TRACE(calls);
        SeededDraws draws(7), other(8);
        BramlowWindow played(BRAMLOW_PROGRAM_DIR, draws), replayed(BRAMLOW_PROGRAM_DIR, other);
        played.setSoundOn(false);
        replayed.setSoundOn(false);
        test::play(played, 7, calls, [&] { return isWon(played); });
        test::play(replayed, 8, 40);
        const std::string text = recordText(played.recorder().record());
        EXPECT_EQ(loadRecordOnto(replayed, text), QString());
        EXPECT_EQ(screenOf(replayed), screenOf(played));
        EXPECT_EQ(recordText(replayed.recorder().record()), text);
    }
}

// The child of the next test: plays at a program's window with the journal in
// BRAMLOW_CHILD_STATE, says "done N" after each handler call and waits for a line.
TEST(RecordChild, DISABLED_PlaysUntilKilled)
{
    qputenv("XDG_STATE_HOME", qgetenv("BRAMLOW_CHILD_STATE"));
    GameApp app(BRAMLOW_PROGRAM_DIR);
    app.start();
    app.mainWindow()->setSoundOn(false);
    std::mt19937 pick(5);
    for (int call = 1;; ++call) {
        test::playOnce(*app.mainWindow(), pick);
        std::printf("done %d\n", call);
        std::fflush(stdout);
        char line[8];
        if (!std::fgets(line, sizeof line, stdin))
            return;
    }
}

TEST(RecordWindow, AGameKilledBetweenTwoActionsResumesAfterTheLastOne)
{
    const QTemporaryDir state;
    for (const int killedAfter : {1, 2, 33, 120}) {
        SCOPED_TRACE(killedAfter);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("BRAMLOW_CHILD_STATE", state.path());
        environment.insert("SDL_AUDIODRIVER", "dummy");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=RecordChild.*", "--gtest_also_run_disabled_tests"});
        for (int call = 1; call <= killedAfter; ++call) {
            QByteArray line;
            while (!line.startsWith("done ")) {
                while (!child.canReadLine())
                    ASSERT_TRUE(child.waitForReadyRead(60000)) << child.readAllStandardError().toStdString();
                line = child.readLine();
            }
            ASSERT_EQ(line.trimmed().toStdString(), "done " + std::to_string(call));
            if (call < killedAfter)
                child.write("\n");
        }
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();

        DefaultRandomSource fresh;
        EngineGame expected(fresh);
        std::mt19937 pick(5);
        for (int call = 1; call <= killedAfter; ++call)
            test::playOnce(expected, pick);

        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        GameApp app(BRAMLOW_PROGRAM_DIR);
        app.start();
        auto* resume = app.mainWindow()->findChild<QAction*>("menuFortsetzen");
        ASSERT_TRUE(resume->isEnabled());
        resume->trigger();
        EXPECT_EQ(app.recordMenu()->lastMessage(), QString());
        EXPECT_EQ(gameOf(*app.mainWindow()), gameOf(expected));
        EXPECT_EQ(recordText(app.mainWindow()->recorder().record()), recordText(expected.recorder().record()));
    }
}

TEST(RecordWindow, HostileFilesAreNamedWithTheirLineAndLeaveTheGameOnScreen)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("partie.bramlow");
    SeededDraws draws(3);
    EngineGame source(draws);
    test::play(source, 3, 60);
    const std::string good = recordText(source.recorder().record());
    struct Case {
        const char* name;
        std::function<void()> make;
        const char* says;
    };
    const Case cases[] = {
        {"a FIFO", [&] { ::mkfifo(path.toLocal8Bit(), 0600); }, "keine gewöhnliche Datei"},
        {"a folder", [&] { QDir().mkdir(path); }, "keine gewöhnliche Datei"},
        {"a socket", [&] { testing::bindSocket(path); }, "keine gewöhnliche Datei"},
        {"five gigabytes", [&] { QFile f(path); f.open(QIODevice::WriteOnly); f.resize(5LL << 30); }, "zu groß"},
        {"a move the rules refuse",
         [&] {
             std::string bad = good;
             const std::size_t at = bad.find(" ja\n", bad.find("setze "));
             QFile f(path);
             f.open(QIODevice::WriteOnly);
             f.write(QByteArray::fromStdString(bad.replace(at, 4, " nein\n")));
         },
         "Zeile "},
    };
    GameApp app(BRAMLOW_PROGRAM_DIR);
    app.start();
    app.mainWindow()->setSoundOn(false);
    test::play(*app.mainWindow(), 9, 30);
    const auto before = screenOf(*app.mainWindow());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(path).removeRecursively();
        QFile::remove(path);
        c.make();
        EXPECT_FALSE(app.recordMenu()->loadFile(path));
        EXPECT_TRUE(app.recordMenu()->lastMessage().contains(QString::fromUtf8(c.says)))
            << app.recordMenu()->lastMessage().toStdString();
        EXPECT_EQ(screenOf(*app.mainWindow()), before);
    }
}

TEST(RecordWindow, AWriteThatFailsSaysSoAndKeepsTheOldFile)
{
    const QTemporaryDir dir;
    const QString file = dir.filePath("alt.bramlow");
    struct Case {
        const char* name;
        QString path;
        std::function<void()> fault;
        std::function<void()> undo;
    };
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
    const Case cases[] = {
        {"a folder in place of the file", dir.filePath("ordner"), [&] { QDir(dir.path()).mkpath("ordner/drin"); }, [] {}},
        // The disk is full after 100 bytes: the write fails with EFBIG instead of ENOSPC.
        {"a full disk", file, [] { std::signal(SIGXFSZ, SIG_IGN); const rlimit full{100, RLIM_INFINITY}; setrlimit(RLIMIT_FSIZE, &full); },
         [&] { setrlimit(RLIMIT_FSIZE, &unlimited); }},
        {"no folder to create", "/proc/bramlow/alt.bramlow", [] {}, [] {}},
        // Root writes into a read-only folder all the same.
        {"a read-only folder", geteuid() == 0 ? "/proc/alt.bramlow" : file,
         [&] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner); },
         [&] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("alt\n") == 4);
        old.close();
        c.fault();
        const QString error = writeFileSafely(c.path, QByteArray(4096, 'x'));
        c.undo();
        EXPECT_TRUE(error.contains("kann nicht geschrieben werden")) << error.toStdString();
        QFile kept(file);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "alt\n");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.bramlow"});
    }
    // Neither HOME nor XDG_CONFIG_HOME: the choice is not saved, and nothing is written.
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(saveOption("Optionen/Ton", "false").contains("HOME"));
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
    EXPECT_FALSE(QFileInfo::exists("/.config/bramlow"));
}

TEST(RecordWindow, UndoAgainstTheComputerTakesBackACaptureAndItsAnswerWithTheSameRolls)
{
    // A game where Silber captures and Gold answers, played on the engine alone.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SeededDraws draws(seed);
        EngineGame game(draws);
        std::string afterRoll;
        bool captured = false;
        test::play(game, seed, 20000, [&] {
            const auto& last = game.recorder().record().entries;
            if (!last.empty() && std::holds_alternative<RecordAction>(last.back()) &&
                std::get<RecordAction>(last.back()).kind == ActionKind::roll && !captured)
                afterRoll = gameOf(game);
            captured = captured || game.message() == message::captureGold;
            return isWon(game) || (captured && game.text(TextBox::ausgabe1) == playerLine::silber &&
                                   game.text(TextBox::ausgabe2) == prompt::roll);
        });
        if (!captured || isWon(game))
            continue;
        const QTemporaryDir dir;
        QFile file(dir.filePath("schlag.bramlow"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(recordText(game.recorder().record())));
        file.close();

        GameApp app(BRAMLOW_PROGRAM_DIR);
        app.options().setComputerForThisRun({false, true});
        app.start();
        ASSERT_TRUE(app.recordMenu()->loadFile(file.fileName()));
        auto* undo = app.mainWindow()->findChild<QAction*>("menuZurueck");
        ASSERT_TRUE(undo->isEnabled());
        undo->trigger();
        EXPECT_EQ(gameOf(*app.mainWindow()), afterRoll);
        EXPECT_EQ(app.mainWindow()->text(TextBox::ausgabe2), prompt::select);
        // Gold's roll that was taken back comes again.
        EXPECT_EQ(app.mainWindow()->draws().suppliedLeft(), 1u);
        // A person's click for the computer's side is refused.
        app.options().setComputerForThisRun({true, false});
        const std::string lifted = gameOf(*app.mainWindow());
        for (const CellArray array : {CellArray::b, CellArray::s})
            for (int index = 11; index <= 88; ++index)
                if (PictureBox* cell = app.mainWindow()->cell(array, index))
                    cell->click();
        EXPECT_EQ(gameOf(*app.mainWindow()), lifted);
        // Both sides the person's: no undo.
        app.options().setComputerForThisRun({false, false});
        EXPECT_FALSE(undo->isEnabled());
        return;
    }
    FAIL() << "no seed gave Silber a capture";
}

} // namespace
} // namespace bramlow
