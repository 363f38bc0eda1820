// bots.cfg files no writer would make: huge, without line ends, made of line
// ends only, or of every byte value. Reading them must neither crash nor take
// time or memory beyond a fixed multiple of the file's size.

#include "platform/temp_dir.h"
#include "roster/bot_roster.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sys/resource.h>

namespace tarvex {
namespace {

using testing::TempDir;
using testing::WriteBytes;

struct NoWindow : RosterHost {
    std::vector<std::string> messages;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void RosterLoaded() override {}
};

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double SecondsToLoad(const std::string& botDirectory, RosterTable& table) {
    NoWindow host;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadRoster(botDirectory, table, host), 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Shape {
    const char* what;
    std::function<std::string(std::size_t)> make;
    int bots; // expected roster size
};

TEST(RosterHostileInput, HugeFilesReadInLinearTimeAndMemory) {
    const Shape shapes[] = {
        {"only line feeds", [](std::size_t n) { return std::string(n, '\n'); }, 0},
        {"one line without a line feed",
         [](std::size_t n) { return "bot1 \"" + std::string(n, 'x'); }, 1},
        {"one line of spaces", [](std::size_t n) { return "b" + std::string(n, ' ') + "\n"; }, 1},
        {"many roster lines",
         [](std::size_t n) {
             std::string s;
             while (s.size() < n)
                 s += "bot1 \"A\" m 1 1\r\n";
             return s;
         },
         31},
    };
    constexpr std::size_t kSmall = 10u << 20, kLarge = 100u << 20;
    for (const Shape& shape : shapes) {
        TempDir dir;
        RosterTable table;
        WriteBytes(dir.path() / "bots.cfg", shape.make(kSmall));
        const double small = SecondsToLoad(dir.str(), table);
        WriteBytes(dir.path() / "bots.cfg", shape.make(kLarge));
        const long before = PeakKiB();
        const double large = SecondsToLoad(dir.str(), table);
        const long grownKiB = PeakKiB() - before;
        EXPECT_EQ(table.Count(), shape.bots) << shape.what;
        // Ten times the input may take ten times as long, not a hundred.
        EXPECT_LT(large, 40 * std::max(small, 0.05)) << shape.what;
        EXPECT_LT(grownKiB, 4 * static_cast<long>(kLarge >> 10)) << shape.what;
        for (int i = 0; i < table.Count(); ++i)
            EXPECT_LE(table.entries[static_cast<std::size_t>(i)].name.size(), kFieldLength);
    }
}

TEST(RosterHostileInput, EveryByteValue) {
    std::string all;
    for (int round = 0; round < 3; ++round) {
        all += "bot1 ";
        for (int b = 1; b <= 0xFF; ++b)
            all += static_cast<char>(b);
    }
    RosterTable table;
    ReadRosterText(all, table);
    ASSERT_GE(table.Count(), 1);
    // Whatever was read writes back without a zero byte or a bare line feed.
    const std::string written = WriteRosterText(table);
    EXPECT_EQ(written.find('\0'), std::string::npos);
    for (std::size_t i = written.find('\n'); i != std::string::npos; i = written.find('\n', i + 1))
        EXPECT_TRUE(i > 0 && written[i - 1] == '\r');
}

} // namespace
} // namespace tarvex
