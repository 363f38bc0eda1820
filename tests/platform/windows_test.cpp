// The Windows paths of the core: drive letters, c:\temp.$$$, binary writes,
// MoveFileEx and CreateProcess.

#include "launch/command_line.h"
#include "launch/game_process.h"
#include "platform/directories.h"
#include "platform/safe_write.h"
#include "platform/temp_dir.h"
#include "roster/bot_roster.h"

#include <gtest/gtest.h>

#include <direct.h>
#include <filesystem>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// windows.h names its own ReplaceFile as a macro.
#undef ReplaceFile

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// The folder of this test program: on drive Z under wine.
std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return program.substr(0, program.rfind('\\'));
}

RosterTable Table(std::initializer_list<BotEntry> entries) {
    RosterTable table;
    for (const BotEntry& e : entries)
        table.entries[static_cast<std::size_t>(++table.lastIndex)] = e;
    return table;
}

struct QuietHost : RosterHost {
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void RosterLoaded() override {}
};

// Each test may move around the drives; the working directory comes back.
class OnWindows : public ::testing::Test {
  protected:
    ~OnWindows() override { _chdir(saved_.c_str()); }

  private:
    std::string saved_ = fs::current_path().string();
};

TEST_F(OnWindows, GameDirectoryIsDriveColonBackslashAndTheDirectory) {
    TempDir dir;
    const std::string game = (dir.path() / "half life").string();
    fs::create_directory(game);
    const std::string program = ProgramFolder();
    const std::string otherRoot = program.substr(0, 3);
    struct Case {
        std::string workingDirectory;
        std::string gameDirectory;
        std::string botDirectory;
    };
    const Case cases[] = {
        {"C:\\", "C:\\", "C:\\\\Tarvex"},
        {game, game, game + "\\Tarvex"},
        {otherRoot, otherRoot, otherRoot + "\\Tarvex"},
        {program, program, program + "\\Tarvex"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(_chdir(c.workingDirectory.c_str()), 0) << c.workingDirectory;
        EXPECT_EQ(CaptureGameDirectory(), c.gameDirectory);
        EXPECT_EQ(FormBotDirectory(CaptureGameDirectory()), c.botDirectory);
    }
}

// At the root of C the doubled backslash stays in every path, and the files
// must still be found through it; what is written keeps its CR LF.
TEST_F(OnWindows, RosterAtTheRootOfDriveC) {
    ASSERT_EQ(_chdir("C:\\"), 0);
    const std::string botDirectory = FormBotDirectory(CaptureGameDirectory());
    ASSERT_FALSE(fs::exists("C:\\Tarvex")) << "left over from elsewhere";
    fs::create_directory("C:\\Tarvex");
    QuietHost host;
    const RosterTable table = Table({{"A", "m", "1", "2"}, {"Two Words", "n", "3", "4"}});
    const int saved = SaveRoster(botDirectory, table, host);
    const std::string bytes = ReadBytes("C:\\Tarvex\\bots.cfg");
    RosterTable back;
    const int loaded = LoadRoster(botDirectory, back, host);
    fs::remove_all("C:\\Tarvex");

    EXPECT_EQ(saved, 0);
    EXPECT_EQ(bytes, "bot1 \"A\" m 1 2\r\nbot2 \"Two Words\" n 3 4");
    EXPECT_EQ(loaded, 0);
    EXPECT_EQ(back.lastIndex, 1);
    EXPECT_EQ(back.entries, table.entries);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OnWindows, RosterListFileIsCTempRewrittenWhole) {
    EXPECT_EQ(RosterListFilePath(), "c:\\temp.$$$");
    ASSERT_TRUE(WriteRosterListFile(Table({{std::string(32, 'x'), "m", "1", "1"}, kNewBotEntry})));
    ASSERT_TRUE(WriteRosterListFile(Table({{"A", "m", "1", "1"}, {"", "m", "1", "1"}})));
    EXPECT_EQ(ReadBytes("c:\\temp.$$$"), "A\r\n\r\n");
    for (const fs::directory_entry& entry : fs::directory_iterator("C:\\"))
        EXPECT_NE(entry.path().filename().string().rfind("temp.$$$.", 0), 0u)
            << "left behind: " << entry.path().string();
}

// Another program holding the file open without leave to delete it (as a
// running game may) makes the rename fail: the file stays as it was.
TEST_F(OnWindows, FileHeldOpenIsNotReplacedAndNothingIsLeftBeside) {
    TempDir dir;
    const fs::path file = dir.path() / "bots.cfg";
    WriteBytes(file, "old");
    HANDLE held =
        CreateFileA(file.string().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const bool replaced = ReplaceFile(file.string(), "new");
    CloseHandle(held);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// Waits for a started process to end, so its folder can be removed.
bool WaitForProcess(long long id) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (!process)
        return false;
    const bool ended = WaitForSingleObject(process, 20000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

class StartOnWindows : public OnWindows {
  protected:
    StartOnWindows() {
        fs::create_directories(game);
        fs::copy_file(ProgramFolder() + "\\record_args.exe", game / "hl.exe");
    }
    TempDir dir; // its name has a space too
    const fs::path game = dir.path() / "half life";
};

TEST_F(StartOnWindows, UnquotedGameDirectoryWithSpacesStartsTheGameThere) {
    const std::string line = BuildCommandLine(game.string(), 3, true, "crossfire");
    long long id = 0;
    ASSERT_TRUE(StartProcess(line, game.string(), &id));
    ASSERT_TRUE(WaitForProcess(id));
    // Windows hands the line over as it stands; wine quotes the program's path.
    const std::string arguments = line.substr(line.find(" -console"));
    const std::string record = ReadBytes(game / "started.txt");
    EXPECT_EQ(record.substr(0, record.find("\ncommand: ")),
              "program: " + (game / "hl.exe").string());
    EXPECT_NE(record.find(arguments + "\ndir: " + game.string() + "\n"), std::string::npos)
        << record;
}

TEST_F(StartOnWindows, WhatCannotStartIsReported) {
    const std::string exe = (game / "hl.exe").string();
    struct Case {
        const char* what;
        std::string line;
        std::string workingDirectory;
    };
    const Case cases[] = {
        {"no such program", (dir.path() / "gone").string() + "\\hl.exe -console", game.string()},
        {"no such working directory", exe + " -console", (dir.path() / "gone").string()},
        {"empty line", "", game.string()},
    };
    for (const Case& c : cases) {
        long long id = -7;
        EXPECT_FALSE(StartProcess(c.line, c.workingDirectory, &id)) << c.what;
        EXPECT_EQ(id, -7) << c.what;
    }
    EXPECT_FALSE(fs::exists(game / "started.txt"));
}

} // namespace
} // namespace tarvex
