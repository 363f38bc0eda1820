// Real faults while bots.cfg or tarvex.cfg is being saved: each save must say
// so with its own message and leave the old file exactly as it was.

#include "options/options_file.h"
#include "platform/directories.h"
#include "platform/temp_dir.h"
#include "roster/bot_roster.h"
#include "roster/roster_samples.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvex {
namespace {

using testing::FullRoster; // about 4 KiB: more than one page
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
namespace fs = std::filesystem;

struct Host final : RosterHost, OptionsHost {
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void RosterLoaded() override {}
    std::string Text(OptionText c) override {
        return c == OptionText::CFGNavType ? "Full" : std::string(32, 'v');
    }
    void SetText(OptionText, const std::string&) override {}
    bool Checked(OptionCheck) override { return true; }
    void SetChecked(OptionCheck, bool) override {}
    int AccuracyPosition() override { return 10; }
    void SetAccuracyPosition(int) override {}
    int BotsToSpawn() override { return 3; }
    void SetBotsToSpawn(int) override {}
    void SetChatControlsEnabled(bool) override {}
};

// Both saves into `dir`, whose old files hold "old": the roster must report
// Err5, the options save result 2, and both old files stay.
void ExpectBothSavesFail(const std::string& dir) {
    Host host;
    EXPECT_EQ(SaveRoster(dir, FullRoster(), host), 1);
    EXPECT_EQ(host.messages, std::vector<std::string>{kErr5});
    EXPECT_EQ(WriteOptionsFile(dir, host), 2);
    EXPECT_EQ(ReadBytes(fs::path(dir) / "bots.cfg"), "old");
    EXPECT_EQ(ReadBytes(fs::path(dir) / "tarvex.cfg"), "old");
}

TEST(SaveFaults, FileSizeLimitInTheMiddleOfAWrite) {
    TempDir dir;
    WriteBytes(dir.path() / "bots.cfg", "old");
    WriteBytes(dir.path() / "tarvex.cfg", "old");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{256, 256};
        setrlimit(RLIMIT_FSIZE, &limit);
        ExpectBothSavesFail(dir.str());
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(dir.path() / "bots.cfg"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST(SaveFaults, MissingBotDirectory) {
    TempDir dir;
    Host host;
    const std::string missing = JoinPath(dir.str(), "Tarvex");
    EXPECT_EQ(SaveRoster(missing, FullRoster(), host), 1);
    EXPECT_EQ(WriteOptionsFile(missing, host), 2);
    EXPECT_EQ(host.messages, std::vector<std::string>{kErr5});
    EXPECT_FALSE(fs::exists(missing));
}

TEST(SaveFaults, ThroughALinkTheTargetIsReplaced) {
    TempDir dir;
    fs::create_directory(dir.path() / "mine");
    WriteBytes(dir.path() / "mine" / "bots.cfg", "old");
    fs::create_directory(dir.path() / "Tarvex");
    fs::create_symlink("../mine/bots.cfg", dir.path() / "Tarvex" / "bots.cfg");
    Host host;
    EXPECT_EQ(SaveRoster((dir.path() / "Tarvex").string(), FullRoster(), host), 0);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "Tarvex" / "bots.cfg"));
    EXPECT_EQ(ReadBytes(dir.path() / "mine" / "bots.cfg"), WriteRosterText(FullRoster()));
}

void Fill(const fs::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(file);
    const std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), file) == block.size() &&
           std::fflush(file) == 0) {
    }
    std::fclose(file);
}

// Needs file systems of its own: run by ctest inside a private mount namespace.
TEST(SaveFaultsOnSmallFileSystem, DiskFullInTheMiddleAndReadOnly) {
    const char* full = std::getenv("TARVEX_FULL_FS");
    const char* readOnly = std::getenv("TARVEX_READONLY_FS");
    if (!full || !readOnly)
        GTEST_SKIP() << "runs under the small-file-system test";
    const fs::path dir = fs::path(full) / "saves";
    fs::create_directory(dir);
    WriteBytes(dir / "bots.cfg", "old");
    WriteBytes(dir / "tarvex.cfg", "old");
    // Fill the disk, then leave one page: less than the roster needs, so its
    // write stops half way. The options file fits in a page, so it gets none.
    const fs::path filler = fs::path(full) / "filler";
    Fill(filler);
    fs::resize_file(filler, fs::file_size(filler) - 4096);
    Host host;
    EXPECT_EQ(SaveRoster(dir.string(), FullRoster(), host), 1);
    EXPECT_EQ(host.messages, std::vector<std::string>{kErr5});
    Fill(fs::path(full) / "more filler");
    EXPECT_EQ(WriteOptionsFile(dir.string(), host), 2);
    EXPECT_EQ(ReadBytes(dir / "bots.cfg"), "old");
    EXPECT_EQ(ReadBytes(dir / "tarvex.cfg"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    host.messages.clear();
    EXPECT_EQ(SaveRoster(readOnly, FullRoster(), host), 1);
    EXPECT_EQ(host.messages, std::vector<std::string>{kErr5});
    EXPECT_EQ(WriteOptionsFile(readOnly, host), 2);
    EXPECT_EQ(ReadBytes(fs::path(readOnly) / "bots.cfg"), "old");
}

} // namespace
} // namespace tarvex
