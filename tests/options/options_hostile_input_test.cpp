// tarvex.cfg files no writer would make: huge, without line ends, made of line
// ends only, or of every byte value. Reading them must neither crash nor take
// time or memory beyond a fixed multiple of the file's size.

#include "options/controls_stand_in.h"
#include "options/options_file.h"
#include "platform/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <sys/resource.h>

namespace tarvex {
namespace {

using testing::TempDir;
using testing::WriteBytes;
using Controls = testing::ControlsStandIn;

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double SecondsToRead(const std::string& botDirectory, Controls& controls) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadOptionsFile(botDirectory, controls), 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Repeat(std::string_view line, std::size_t size) {
    std::string s;
    s.reserve(size + line.size());
    while (s.size() < size)
        s += line;
    return s;
}

TEST(OptionsHostileInput, HugeFilesReadInLinearTimeAndMemory) {
    struct Shape {
        const char* what;
        std::function<std::string(std::size_t)> make;
        std::string botfov; // expected text of CFGBotFov afterwards
    };
    const Shape shapes[] = {
        {"only line feeds", [](std::size_t n) { return std::string(n, '\n'); }, ""},
        {"one setting line without a line feed",
         [](std::size_t n) { return "botfov " + std::string(n, '9'); }, std::string(32, '9')},
        {"a key as long as the file", [](std::size_t n) { return std::string(n, 'k'); }, ""},
        {"many setting lines", [](std::size_t n) { return Repeat("BOTFOV 77\r\n", n); }, "77"},
    };
    constexpr std::size_t kSmall = 10u << 20, kLarge = 100u << 20;
    for (const Shape& shape : shapes) {
        TempDir dir;
        Controls small, large;
        WriteBytes(dir.path() / "tarvex.cfg", shape.make(kSmall));
        const double smallSeconds = SecondsToRead(dir.str(), small);
        WriteBytes(dir.path() / "tarvex.cfg", shape.make(kLarge));
        const long before = PeakKiB();
        const double largeSeconds = SecondsToRead(dir.str(), large);
        const long grownKiB = PeakKiB() - before;
        EXPECT_EQ(large.texts[OptionText::CFGBotFov], shape.botfov) << shape.what;
        // Ten times the input may take ten times as long, not a hundred.
        EXPECT_LT(largeSeconds, 40 * std::max(smallSeconds, 0.05)) << shape.what;
        EXPECT_LT(grownKiB, 4 * static_cast<long>(kLarge >> 10)) << shape.what;
    }
}

TEST(OptionsHostileInput, EveryByteValue) {
    std::string all;
    for (const char* key : {"botfov ", "chatfile ", "coop_scikill ", "bot_num ", "speedup "}) {
        all += key;
        for (int b = 1; b <= 0xFF; ++b)
            all += static_cast<char>(b);
    }
    coopSciKill = "1";
    Controls controls;
    ReadOptionsText(all, controls);
    EXPECT_LE(coopSciKill.size(), kCoopValueLength);
    for (const auto& [control, text] : controls.texts) {
        EXPECT_LE(text.size(), kOptionFieldLength);
        EXPECT_EQ(text.find_first_of(" \n"), std::string::npos);
    }
    coopSciKill = "1";
}

} // namespace
} // namespace tarvex
