// The Windows paths of the core: drive letters, c:\temp.$$$ and its fallback,
// binary writes, MoveFileEx, CreateProcess, wide-character paths and the ANSI
// code page.

#include "launch/command_line.h"
#include "launch/game_process.h"
#include "launch/map_list.h"
#include "platform/code_page.h"
#include "platform/directories.h"
#include "platform/native_file.h"
#include "platform/process_wait.h"
#include "platform/safe_write.h"
#include "platform/temp_dir.h"
#include "platform/text_file.h"
#include "roster/bot_roster.h"

#include <gtest/gtest.h>

#include <direct.h>
#include <filesystem>
#include <io.h>
#include <set>
#include <shlobj.h>
#include <sys/stat.h>
#include <windows.h>
// windows.h names its own ReplaceFile as a macro.
#undef ReplaceFile

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WaitForProcess;
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

// A normal user may not create files at the root of drive C. A directory in
// the file's place is a failure no one, not even an administrator, gets past.
class ScratchFallback : public OnWindows {
  protected:
    ScratchFallback() {
        PWSTR folder = nullptr;
        EXPECT_EQ(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder), S_OK);
        fallback = fs::path(folder) / L"Tarvex Bot Manager" / L"temp.$$$";
        CoTaskMemFree(folder);
        fs::remove_all(fallback);
        fs::remove_all(primary);
    }
    ~ScratchFallback() override {
        fs::remove_all(primary);
        fs::remove_all(fallback);
    }
    const fs::path primary = "c:\\temp.$$$";
    fs::path fallback;
};

TEST_F(ScratchFallback, UsedOnlyWhenDriveCRefuses) {
    EXPECT_EQ(NativePath(RosterListFallbackPath()), fallback);
    const RosterTable two = Table({{"A", "m", "1", "1"}, {"B", "m", "1", "1"}});

    ASSERT_TRUE(WriteRosterListFile(two));
    EXPECT_EQ(ReadBytes(primary), "A\r\nB\r\n");
    EXPECT_FALSE(fs::exists(fallback));

    fs::remove(primary);
    fs::create_directory(primary);
    ASSERT_TRUE(WriteRosterListFile(two));
    EXPECT_TRUE(fs::is_directory(primary));
    EXPECT_EQ(ReadBytes(fallback), "A\r\nB\r\n");
    for (const fs::directory_entry& entry : fs::directory_iterator("C:\\"))
        EXPECT_NE(entry.path().filename().string().rfind("temp.$$$.", 0), 0u)
            << "left behind: " << entry.path().string();

    fs::remove(fallback);
    fs::create_directory(fallback);
    EXPECT_FALSE(WriteRosterListFile(two));
}

// Cyrillic is outside the ANSI code page of a Western system (and Greek
// outside a Cyrillic one): only the wide-character calls reach such a folder.
TEST_F(OnWindows, FolderNamesOutsideTheCodePage) {
    TempDir dir;
    const std::string name = "\xD0\xB8\xD0\xB3\xD1\x80\xD0\xB0 \xCE\xB1"; // "игра α", UTF-8
    const fs::path game = dir.path() / NativePath(name);
    fs::create_directories(game / "Tarvex");
    fs::create_directories(game / "valve" / "maps");
    testing::WriteBytes(game / "valve" / "maps" / NativePath(name + ".bsp"), "");
    ASSERT_EQ(_wchdir(game.c_str()), 0);

    const std::string gameDirectory = CaptureGameDirectory();
    EXPECT_EQ(NativePath(gameDirectory), game);
    const std::string botDirectory = FormBotDirectory(gameDirectory);
    QuietHost host;
    const RosterTable table = Table({{"\xC0\xFF", "m", "1", "2"}});
    EXPECT_EQ(SaveRoster(botDirectory, table, host), 0);
    RosterTable back;
    EXPECT_EQ(LoadRoster(botDirectory, back, host), 0);
    EXPECT_EQ(back.entries, table.entries);
    EXPECT_TRUE(host.messages.empty());
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(JoinPath(botDirectory, "bots.cfg"), bytes));
    EXPECT_EQ(bytes, "bot1 \"\xC0\xFF\" m 1 2");
    EXPECT_EQ(ListMapNames(gameDirectory), std::vector<std::string>{name});

    fs::copy_file(ProgramFolder() + "\\record_args.exe", game / "hl.exe");
    EXPECT_TRUE(CanOpenForReading(GameExecutablePath(gameDirectory)));
    const std::string line = BuildCommandLine(gameDirectory, 0, false, name);
    long long id = 0;
    ASSERT_TRUE(StartProcess(line, gameDirectory, &id));
    ASSERT_TRUE(WaitForProcess(id));
    const std::string record = ReadBytes(game / "started.txt");
    EXPECT_NE(record.find("program: " + GameExecutablePath(gameDirectory) + "\n"),
              std::string::npos)
        << record;
    EXPECT_NE(record.find(line.substr(line.find(" -console")) + "\ndir: " + gameDirectory + "\n"),
              std::string::npos)
        << record;
    _chdir("C:\\");
}

// Every byte shows as a character of its own and comes back from it; where
// the ANSI code page gives a byte another letter than Latin-1 does, it shows
// as that letter. Run again under a Cyrillic system.
TEST(CodePage, EveryByteRoundTrips) {
    std::set<char16_t> seen;
    for (unsigned b = 0; b < 256; ++b) {
        const char16_t c = ByteToChar(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(c).second) << "byte " << b << " shares its character";
        EXPECT_EQ(CharToByte(c), std::optional<unsigned char>(static_cast<unsigned char>(b)))
            << "byte " << b;
    }
    EXPECT_EQ(CharToByte(u'\u4E2D'), std::nullopt);
    if (GetACP() == 1252) {
        EXPECT_EQ(ByteToChar(0x80), u'\u20AC'); // the euro sign
        EXPECT_EQ(ByteToChar(0x9F), u'\u0178');
        EXPECT_EQ(ByteToChar(0xE9), u'\u00E9');
        EXPECT_EQ(CharToByte(u'\u0080'), std::nullopt); // Latin-1's, not this page's
    }
    if (GetACP() == 1251) {
        EXPECT_EQ(ByteToChar(0xC0), u'\u0410'); // Cyrillic A
        EXPECT_EQ(ByteToChar(0x98), u'\u0098'); // undefined there, so kept as in Latin-1
    }
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
