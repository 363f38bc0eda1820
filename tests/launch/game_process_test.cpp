#include "launch/game_process.h"

#include "launch/command_line.h"
#include "platform/temp_dir.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#endif

using namespace tarvex;
using tarvex::testing::ReadBytes;
using tarvex::testing::TempDir;
using tarvex::testing::WriteBytes;

namespace {

struct SplitCase {
    const char* text;
    std::vector<std::string> words;
};

TEST(CommandWords, SplitAtSpacesWithQuotesGrouping) {
    const SplitCase cases[] = {
        {"", {}},
        {"   ", {}},
        {"a b  c ", {"a", "b", "c"}},
        {"+map ", {"+map"}},
        {"\"a b\" c", {"a b", "c"}},
        {"x\"a b\"y z", {"xa by", "z"}},
        {"a \"\" b", {"a", "", "b"}},
        {"a \"b c", {"a", "b c"}},
        {"tab\tstays", {"tab\tstays"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitCommandWords(c.text), c.words) << c.text;
}

#ifndef _WIN32

void WriteScript(const std::filesystem::path& path, const std::string& body, mode_t mode = 0755) {
    WriteBytes(path, body);
    ::chmod(path.c_str(), mode);
}

// Waits for a child of this test, so none is left behind.
bool WaitForChild(long long pid, int* status) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t done = ::waitpid(static_cast<pid_t>(pid), status, WNOHANG);
        if (done == pid)
            return true;
        if (done < 0)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// Records how it was started into started.txt of its working directory.
const char* kRecorder = "#!/bin/sh\n"
                        "{ echo \"dir: $(pwd)\"; for a in \"$@\"; do echo \"arg: $a\"; done; }"
                        " > started.txt\n";

class ProcessPlanTest : public ::testing::Test {
  protected:
    ProcessPlanTest() {
        std::filesystem::create_directories(game / "sub dir");
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(noWine);
        WriteScript(game / "hl.exe", kRecorder);
        WriteScript(game / "hl.txt", "", 0644);
        WriteScript(game / "sub dir" / "tool", kRecorder);
        WriteScript(bin / "runme", kRecorder);
        WriteScript(bin / "wine", "#!/bin/sh\n");
        WriteScript(bin / "plain", "", 0644);
    }
    TempDir dir;
    const std::filesystem::path game = dir.path() / "game dir";
    const std::filesystem::path bin = dir.path() / "bin";
    const std::filesystem::path noWine = dir.path() / "no wine";
    const std::string gameExe = game.string() + "/hl.exe";
};

TEST_F(ProcessPlanTest, TakesTheShortestLeadingRunThatNamesAFile) {
    const std::string withWine = noWine.string() + ":" + bin.string();
    const std::string wine = bin.string() + "/wine";
    struct Case {
        const char* what;
        std::string text;
        std::string searchPath;
        std::optional<std::vector<std::string>> arguments; // argv; [0] is also the executable
    };
    const Case cases[] = {
        {"unquoted directory with spaces", gameExe + " -console +map x", "",
         std::vector<std::string>{gameExe, "-console", "+map", "x"}},
        {"relative to the working directory", "hl.exe  -a   b ", "",
         std::vector<std::string>{gameExe, "-a", "b"}},
        {"quoted program and arguments", "\"" + gameExe + "\" \"a b\" \"\"", "",
         std::vector<std::string>{gameExe, "a b", ""}},
        {"relative path with spaces", "sub dir/tool x", "",
         std::vector<std::string>{game.string() + "/sub dir/tool", "x"}},
        {"bare name on the search path", "runme x", withWine,
         std::vector<std::string>{bin.string() + "/runme", "x"}},
        {"not executable: through wine", "hl.txt +map x", withWine,
         std::vector<std::string>{wine, game.string() + "/hl.txt", "+map", "x"}},
        {"not executable on the search path is not taken", "plain", withWine, std::nullopt},
        {"not executable and no wine", "hl.txt +map x", noWine.string(), std::nullopt},
        {"no such program", "nothere hl.exe", withWine, std::nullopt},
        {"a directory is no program", "sub dir", withWine, std::nullopt},
        {"empty", "", withWine, std::nullopt},
        {"empty quotes", "\"\" hl.exe", withWine, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<ProcessPlan> plan = PlanProcess(c.text, game.string(), c.searchPath);
        ASSERT_EQ(plan.has_value(), c.arguments.has_value()) << c.what;
        if (plan) {
            EXPECT_EQ(plan->arguments, *c.arguments) << c.what;
            EXPECT_EQ(plan->executable, c.arguments->front()) << c.what;
        }
    }
}

TEST_F(ProcessPlanTest, StartsTheGameInItsDirectoryWithTheLinesArguments) {
    const std::string line = BuildCommandLine(game.string(), 3, true, "crossfire");
    long long pid = 0;
    ASSERT_TRUE(StartProcess(line, game.string(), &pid));
    int status = 0;
    ASSERT_TRUE(WaitForChild(pid, &status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(game / "started.txt"),
              "dir: " + game.string() +
                  "\narg: -console\narg: -game\narg: Tarvex\narg: +sv_lan\narg: 1\n"
                  "arg: +maxplayers\narg: 4\narg: +deathmatch\narg: 1\narg: team\narg: 1\n"
                  "arg: +map\narg: crossfire\n");
}

TEST_F(ProcessPlanTest, StartsAWindowsProgramThroughWine) {
    WriteScript(bin / "wine", kRecorder);
    const char* oldPath = std::getenv("PATH");
    const std::string savedPath = oldPath ? oldPath : "";
    ::setenv("PATH", bin.string().c_str(), 1);
    long long pid = 0;
    const bool started = StartProcess("hl.txt -console", game.string(), &pid);
    ::setenv("PATH", savedPath.c_str(), 1);
    ASSERT_TRUE(started);
    int status = 0;
    ASSERT_TRUE(WaitForChild(pid, &status));
    EXPECT_EQ(ReadBytes(game / "started.txt"),
              "dir: " + game.string() + "\narg: " + game.string() + "/hl.txt\narg: -console\n");
}

TEST_F(ProcessPlanTest, ReportsWhatCannotBeStarted) {
    WriteScript(game / "garbage", "\x7f"
                                  "ELF not really");
    struct Case {
        const char* what;
        std::string text;
        std::string workingDirectory;
    };
    const Case cases[] = {
        {"no such program", "nothere -console", game.string()},
        {"no such working directory", gameExe, (dir.path() / "gone").string()},
        {"not a program the system runs", "garbage", game.string()},
        {"empty line", "", game.string()},
    };
    for (const Case& c : cases) {
        long long pid = -7;
        EXPECT_FALSE(StartProcess(c.text, c.workingDirectory, &pid)) << c.what;
        EXPECT_EQ(pid, -7) << c.what;
    }
}

#endif

} // namespace
