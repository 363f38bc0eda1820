#include "platform/directories.h"
#include "platform/safe_write.h"
#include "platform/temp_dir.h"
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tarvex {
namespace {

using namespace std::string_literals;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
namespace fs = std::filesystem;

struct Line {
    std::string text;
    bool endedByLineFeed;
    bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(std::string_view text) {
    std::vector<Line> lines;
    ForEachTextLine(text, [&](std::string_view line, bool lf) {
        lines.push_back({std::string(line), lf});
        return true;
    });
    return lines;
}

TEST(TextLines, FollowTheLineEndRules) {
    struct Case {
        std::string text;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {"", {{"", false}}},
        {"a", {{"a", false}}},
        {"a\n", {{"a", true}, {"", false}}},
        {"a\r\nb\nc", {{"a", true}, {"b", true}, {"c", false}}},
        {"a\rb\r\r\n\r", {{"a\rb\r", true}, {"\r", false}}},
        {"\x1A\n\x1A", {{"\x1A", true}, {"\x1A", false}}},
        {"a\nb\0c\nd"s, {{"a", true}, {"b", false}}},
        {"\n\n", {{"", true}, {"", true}, {"", false}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines(c.text), c.lines) << c.text;
}

#ifndef _WIN32

TEST(Directories, PathsAreFormedWithoutTidying) {
    EXPECT_EQ(JoinPath("/games/hl", "Tarvex"), "/games/hl/Tarvex");
    EXPECT_EQ(FormBotDirectory("/"), "//Tarvex");
    EXPECT_EQ(FormBotDirectory("/games/half life"), "/games/half life/Tarvex");
}

TEST(Directories, CaptureIsTheWorkingDirectoryWhateverItsLength) {
    const fs::path before = fs::current_path();
    TempDir dir;
    fs::path deep = dir.path();
    for (int i = 0; i < 30; ++i)
        deep /= std::string(20, static_cast<char>('a' + i % 26)) + " x";
    fs::create_directories(deep);
    fs::current_path(deep);
    const std::string captured = CaptureGameDirectory();
    fs::current_path("/");
    const std::string root = CaptureGameDirectory();
    fs::current_path(before);
    EXPECT_GT(captured.size(), 600u);
    EXPECT_EQ(captured, fs::canonical(deep).string());
    EXPECT_EQ(root, "/");
}

#endif

class SafeWrite : public ::testing::Test {
  protected:
    TempDir dir;
    fs::path file = dir.path() / "bots.cfg";
    std::vector<fs::path> Entries() const {
        return {fs::directory_iterator(dir.path()), fs::directory_iterator()};
    }
};

TEST_F(SafeWrite, ReplacesTheFileAndKeepsItsPermissions) {
    WriteBytes(file, "old and long");
#ifndef _WIN32
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    ASSERT_TRUE(ReplaceFile(file.string(), "new"));
    EXPECT_EQ(ReadBytes(file), "new");
#ifndef _WIN32
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
    EXPECT_EQ(Entries().size(), 1u);
}

#ifndef _WIN32

TEST_F(SafeWrite, NewFileFollowsTheUmask) {
    const mode_t old = umask(022);
    ASSERT_TRUE(ReplaceFile(file.string(), "x"));
    umask(old);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(SafeWrite, LinkStaysALinkAndItsTargetIsReplaced) {
    fs::create_directory(dir.path() / "real");
    WriteBytes(dir.path() / "real" / "bots.cfg", "old");
    fs::create_symlink("real/bots.cfg", file);
    ASSERT_TRUE(ReplaceFile(file.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(ReadBytes(dir.path() / "real" / "bots.cfg"), "new");
}

TEST_F(SafeWrite, LinkPolicyReplaceLinkNeverWritesThroughIt) {
    WriteBytes(dir.path() / "victim", "precious");
    fs::create_symlink(dir.path() / "victim", file);
    ASSERT_TRUE(ReplaceFile(file.string(), "new", LinkPolicy::ReplaceLink));
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(ReadBytes(dir.path() / "victim"), "precious");
}

#endif

TEST_F(SafeWrite, FailuresLeaveTheOldFileAndNoLitter) {
    EXPECT_FALSE(ReplaceFile((dir.path() / "missing" / "bots.cfg").string(), "x"));
    fs::create_directory(file); // a directory by that name is not replaced
    EXPECT_FALSE(ReplaceFile(file.string(), "x"));
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(Entries().size(), 1u);
}

#ifndef _WIN32

// Over the file size limit every write fails part way: the old file must survive.
TEST_F(SafeWrite, FileSizeLimitInTheMiddleOfAWrite) {
    WriteBytes(file, "old");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(ReplaceFile(file.string(), std::string(100000, 'x')) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write was reported as success";
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(Entries().size(), 1u);
}

#endif

// Needs a small file system: run by ctest inside its own mount namespace.
TEST(SafeWriteOnSmallFileSystem, FullDiskAndReadOnlyLeaveTheOldFile) {
    const char* full = std::getenv("TARVEX_FULL_FS");
    const char* readOnly = std::getenv("TARVEX_READONLY_FS");
    if (!full || !readOnly)
        GTEST_SKIP() << "runs under the small-file-system test";
    const fs::path onFull = fs::path(full) / "bots.cfg";
    WriteBytes(onFull, "old");
    EXPECT_FALSE(ReplaceFile(onFull.string(), std::string(1 << 20, 'x')));
    EXPECT_EQ(ReadBytes(onFull), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(full), fs::directory_iterator()), 1);

    const fs::path onReadOnly = fs::path(readOnly) / "bots.cfg";
    EXPECT_FALSE(ReplaceFile(onReadOnly.string(), "new"));
    EXPECT_EQ(ReadBytes(onReadOnly), "old");
}

} // namespace
} // namespace tarvex
