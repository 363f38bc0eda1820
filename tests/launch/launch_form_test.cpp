#include "app/forms.h"
#include "app/spoken.h"
#include "app/ui_fixture.h"
#include "launch/command_line.h"
#include "launch/game_process.h"
#include "launch/launch_form.h"
#include "options/spin_edit.h"
#include "options/tarvex_config.h"
#include "platform/directories.h"
#include "platform/process_wait.h"
#include "roster/main_form.h"

#include <QCheckBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <thread>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#endif

using namespace tarvex;
using tarvex::testing::ReadBytes;
using tarvex::testing::SpokenDescription;
using tarvex::testing::SpokenName;
using tarvex::testing::TempDir;
using tarvex::testing::UiFixture;
using tarvex::testing::WriteBytes;

namespace {

#ifdef _WIN32
// The stand-in game built beside the core tests, one folder up: it records
// how it was started into started.txt of its working directory.
void PutGame(const UiFixture& ui) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::filesystem::copy_file(std::filesystem::path(self).parent_path().parent_path() /
                                   "record_args.exe",
                               ui.gameDir() / "hl.exe");
}
#else
// Records how it was started into started.txt of its working directory.
const char* kRecorder = "#!/bin/sh\n"
                        "{ echo \"dir: $(pwd)\"; for a in \"$@\"; do echo \"arg: $a\"; done; }"
                        " > started.txt\n";

void PutGame(const UiFixture& ui, mode_t mode = 0755) {
    const auto exe = ui.gameDir() / "hl.exe";
    WriteBytes(exe, kRecorder);
    ::chmod(exe.c_str(), mode);
}
#endif

std::string Line(const UiFixture& ui, const std::string& players, const std::string& team,
                 const std::string& map) {
    return JoinPath(ui.gameDir().string(), "hl.exe") + " -console -game Tarvex +sv_lan 1 " +
           "+maxplayers " + players + " +deathmatch 1 team " + team + " +map " + map;
}

std::string CmdLine() {
    return LaunchForm->LNCCmdLine->text().toStdString();
}

// Creates the windows; what start-up says about missing files is not this window's.
void Start(UiFixture& ui) {
    ui.Start();
    ui.TakeMessages();
}

void OpenLaunchWindow() {
    MainForm->show();
    MainForm->LaunchButton->click();
}

bool InRoster() {
    return MainForm->isVisible() && !LaunchForm->isVisible();
}

// Instead of a real start and a real end, remembers what was asked for.
struct FakeLaunch {
    FakeLaunch() {
        LaunchForm->StartGame = [this](const std::string& text, const std::string& dir) {
            commands.push_back(text);
            directory = dir;
            return true;
        };
        LaunchForm->EndApplication = [this] { ended = true; };
    }
    std::vector<std::string> commands;
    std::string directory;
    bool ended = false;
};

// Types characters that QTest::keyClicks cannot, as a keyboard would send them.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

#ifndef _WIN32
// A PATH without wine or anything else, for as long as it lives.
class BarePath {
  public:
    BarePath() {
        const char* old = std::getenv("PATH");
        saved_ = old ? old : "";
        ::setenv("PATH", empty_.str().c_str(), 1);
    }
    ~BarePath() { ::setenv("PATH", saved_.c_str(), 1); }

  private:
    TempDir empty_;
    std::string saved_;
};

bool WaitForChild(long long pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t done = ::waitpid(static_cast<pid_t>(pid), &status, WNOHANG);
        if (done != 0)
            return done == pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}
#else
bool WaitForChild(long long pid) {
    return tarvex::testing::WaitForProcess(pid);
}
#endif

} // namespace

class LaunchFormTest : public QObject {
    Q_OBJECT
  private slots:
    void holdsPleaseWaitUntilFirstShownAndTakesSingleBytes() {
        UiFixture ui;
        Start(ui);
        QCOMPARE(CmdLine(), std::string("<Please Wait>"));
        QCOMPARE(LaunchForm->GameDirectory, ui.gameDir().string());
        QCOMPARE(LaunchForm->LNCMapName->maxLength(), 256);
        QVERIFY(LaunchForm->LNCCmdLine->maxLength() > 1'000'000);
        QVERIFY(LaunchForm->GoGoGo->isDefault());

        OpenLaunchWindow();
        Type(LaunchForm->LNCMapName, QString::fromUtf8("a\u20ACb\u00E9"));
        LaunchForm->LNCCmdLine->setText(QString(5000, QChar('x')));
        LaunchForm->LNCCmdLine->end(false);
        Type(LaunchForm->LNCCmdLine, QString::fromUtf8("\u20ACy"));
#ifdef _WIN32
        // Windows takes the command line in wide characters: any text goes.
        QCOMPARE(LaunchForm->LNCMapName->text(), QString::fromUtf8("a\u20ACb\u00E9"));
        QCOMPARE(LaunchForm->LNCCmdLine->text(),
                 QString(5000, QChar('x')) + QString::fromUtf8("\u20ACy"));
#else
        QCOMPARE(LaunchForm->LNCMapName->text(), QString::fromUtf8("ab\u00E9"));
        QCOMPARE(LaunchForm->LNCCmdLine->text(), QString(5000, QChar('x')) + "y");
#endif
    }

    void lineFollowsTheOptionsWindowAtEachShow() {
        UiFixture ui;
        Start(ui);
        TarvexConfig->CFGBotstospawn->SetValue(4);
        OpenLaunchWindow();
        QVERIFY(LaunchForm->isVisible());
        QCOMPARE(CmdLine(), Line(ui, "5", "0", ""));
        QCOMPARE(LaunchForm->LNCCmdLine->cursorPosition(), 0); // the game's path in view

        // Unsaved changes in the options window count at the next visit.
        LaunchForm->GoBack->click();
        QVERIFY(InRoster());
        TarvexConfig->CFGBotstospawn->SetValue(-1);
        TarvexConfig->CFGTeamplay->setChecked(true);
        OpenLaunchWindow();
        QCOMPARE(CmdLine(), Line(ui, "0", "1", ""));
        QVERIFY(ui.messages.empty());
    }

    void anEditOfTheLineStartsUntilTheMapOrAShowReplacesIt() {
        UiFixture ui;
        PutGame(ui);
        Start(ui);
        FakeLaunch launch;
        OpenLaunchWindow();
        QTest::keyClicks(LaunchForm->LNCMapName, "cross");
        QCOMPARE(CmdLine(), Line(ui, "1", "0", "cross"));

        LaunchForm->LNCCmdLine->setText("edited");
        QTest::keyClicks(LaunchForm->LNCMapName, "fire");
        QCOMPARE(CmdLine(), Line(ui, "1", "0", "crossfire"));

        LaunchForm->LNCCmdLine->setText("edited");
        LaunchForm->hide();
        LaunchForm->show();
        QCOMPARE(CmdLine(), Line(ui, "1", "0", "crossfire"));

        LaunchForm->LNCCmdLine->end(false);
        QTest::keyClicks(LaunchForm->LNCCmdLine, " +developer 1");
        LaunchForm->GoGoGo->click();
        QCOMPARE(launch.commands,
                 std::vector<std::string>{Line(ui, "1", "0", "crossfire") + " +developer 1"});
        QCOMPARE(launch.directory, ui.gameDir().string());
        QVERIFY(launch.ended);
        QVERIFY(ui.messages.empty());
    }

    void startsTheGameAndEnds() {
        UiFixture ui;
        PutGame(ui);
        Start(ui);
        long long pid = -1;
        bool ended = false;
        LaunchForm->StartGame = [&pid](const std::string& text, const std::string& dir) {
            return StartProcess(text, dir, &pid);
        };
        LaunchForm->EndApplication = [&ended] { ended = true; };
        TarvexConfig->CFGBotstospawn->SetValue(2);
        TarvexConfig->CFGTeamplay->setChecked(true);
        OpenLaunchWindow();
        QTest::keyClicks(LaunchForm->LNCMapName, "stalkyard");
        LaunchForm->GoGoGo->click();

        QVERIFY(pid > 0);
        QVERIFY(WaitForChild(pid));
        QVERIFY(ended);
        QVERIFY(ui.messages.empty());
#ifdef _WIN32
        // Wine quotes the program's path on the way; Windows hands the line on as it is.
        const std::string line = Line(ui, "3", "1", "stalkyard");
        const std::string record = ReadBytes(ui.gameDir() / "started.txt");
        QVERIFY2(record.find(line.substr(line.find(" -console")) +
                             "\ndir: " + ui.gameDir().string() + "\n") != std::string::npos,
                 record.c_str());
#else
        QCOMPARE(ReadBytes(ui.gameDir() / "started.txt"),
                 "dir: " + ui.gameDir().string() +
                     "\narg: -console\narg: -game\narg: Tarvex\narg: +sv_lan\narg: 1\n"
                     "arg: +maxplayers\narg: 3\narg: +deathmatch\narg: 1\narg: team\narg: 1\n"
                     "arg: +map\narg: stalkyard\n");
#endif
    }

    void whatCannotStartIsToldAndTheRosterWindowReturns() {
        enum Game { NoGame, Runnable, NotRunnable };
        struct Case {
            const char* what;
            Game game;
            std::string line; // empty: as built
            const char* message;
        };
#ifdef _WIN32
        const Case cases[] = {
            {"no hl.exe", NoGame, "", kErr6},
            // The check is on the game directory, whatever the line names.
            {"no hl.exe, line names a program", NoGame, "C:\\windows\\system32\\cmd.exe /c rem",
             kErr6},
            {"line names no program", Runnable, "nothere -console", kErr8},
        };
#else
        const Case cases[] = {
            {"no hl.exe", NoGame, "", kErr6},
            // The check is on the game directory, whatever the line names.
            {"no hl.exe, line names a program", NoGame, "/bin/sh -c true", kErr6},
            {"line names no program", Runnable, "nothere -console", kErr8},
            {"hl.exe not executable, no wine", NotRunnable, "", kErr8},
        };
        BarePath noWine;
#endif
        for (const Case& c : cases) {
            UiFixture ui;
#ifdef _WIN32
            if (c.game != NoGame)
                PutGame(ui);
#else
            if (c.game != NoGame)
                PutGame(ui, c.game == Runnable ? 0755 : 0644);
#endif
            Start(ui);
            bool ended = false;
            LaunchForm->EndApplication = [&ended] { ended = true; };
            OpenLaunchWindow();
            QTest::keyClicks(LaunchForm->LNCMapName, "map");
            if (!c.line.empty())
                LaunchForm->LNCCmdLine->setText(QString::fromStdString(c.line));
            const std::string line = CmdLine();
            LaunchForm->GoGoGo->click();
            QVERIFY2(ui.TakeMessages() == std::vector<std::string>{c.message}, c.what);
            QVERIFY2(InRoster(), c.what);
            QVERIFY2(!ended, c.what);
            QVERIFY2(!std::filesystem::exists(ui.gameDir() / "started.txt"), c.what);
            // Left as it was for the next visit.
            QCOMPARE(CmdLine(), line);
            QCOMPARE(LaunchForm->LNCMapName->text(), QString("map"));
        }
    }

    void keysAndTheCloseBoxPressTheRightButton() {
        struct Case {
            const char* what;
            QWidget* (*target)();
            Qt::Key key; // Qt::Key_unknown: close the window instead
            bool starts;
        };
        const Case cases[] = {
            {"Enter in the map box", []() -> QWidget* { return LaunchForm->LNCMapName; },
             Qt::Key_Return, true},
            {"keypad Enter in the line", []() -> QWidget* { return LaunchForm->LNCCmdLine; },
             Qt::Key_Enter, true},
            {"Enter on Go Back", []() -> QWidget* { return LaunchForm->GoBack; }, Qt::Key_Return,
             false},
            {"Escape in the map box", []() -> QWidget* { return LaunchForm->LNCMapName; },
             Qt::Key_Escape, false},
            {"close box", []() -> QWidget* { return LaunchForm; }, Qt::Key_unknown, false},
        };
        for (const Case& c : cases) {
            UiFixture ui;
            PutGame(ui);
            Start(ui);
            FakeLaunch launch;
            OpenLaunchWindow();
            if (c.key == Qt::Key_unknown)
                LaunchForm->close();
            else if (c.key == Qt::Key_Enter)
                QTest::keyClick(c.target(), c.key, Qt::KeypadModifier);
            else
                QTest::keyClick(c.target(), c.key);
            QVERIFY2(launch.ended == c.starts, c.what);
            QVERIFY2(launch.commands.size() == (c.starts ? 1u : 0u), c.what);
            QVERIFY2(c.starts || InRoster(), c.what);
        }
    }

    void offersTheGamesMapsToComplete() {
        UiFixture ui;
        std::filesystem::create_directories(ui.botDir() / "maps");
        std::filesystem::create_directories(ui.gameDir() / "valve" / "maps");
        WriteBytes(ui.botDir() / "maps" / "crossfire.bsp", "");
        WriteBytes(ui.gameDir() / "valve" / "maps" / "boot_camp.bsp", "");
        Start(ui);
        LaunchForm->ensurePolished(); // as when first shown
        QCompleter* completer = LaunchForm->LNCMapName->completer();
        QVERIFY(completer);
        completer->setCompletionPrefix("CROSS");
        QCOMPARE(completer->completionCount(), 1);
        QCOMPARE(completer->currentCompletion(), QString("crossfire"));
        completer->setCompletionPrefix("b");
        QCOMPARE(completer->currentCompletion(), QString("boot_camp"));
    }

    void screenReadersHearEachControlsPromptAndHint() {
        UiFixture ui;
        Start(ui);
        auto* w = LaunchForm;
        const std::pair<QWidget*, const char*> controls[] = {
            {w->LNCCmdLine, "Command line"},
            {w->LNCMapName, "Choose map"},
            {w->GoBack, "Go Back"},
            {w->GoGoGo, "Go, Go, Go!"},
        };
        for (const auto& [control, name] : controls) {
            QCOMPARE(SpokenName(control), QString(name));
            QCOMPARE(SpokenDescription(control), control->toolTip());
        }
        QCOMPARE(SpokenDescription(w->LNCMapName),
                 QString("Map to start automaticly (Blank for console)"));
    }
};

QTEST_MAIN(LaunchFormTest)
#include "launch_form_test.moc"
