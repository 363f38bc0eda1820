#include "launch/command_line.h"

#include "platform/directories.h"
#include "platform/temp_dir.h"

#include <climits>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

using namespace tarvex;
using tarvex::testing::TempDir;
using tarvex::testing::WriteBytes;

namespace {

const std::string kSep(1, kPathSeparator);

struct LineCase {
    const char* what;
    std::string gameDirectory;
    int bots;
    bool teamplay;
    std::string map;
    std::string expected;
};

TEST(CommandLine, IsTheEightPiecesInOrder) {
    const std::string game = kSep + "hl";
    const std::string head = game + kSep + "hl.exe -console -game Tarvex +sv_lan 1 +maxplayers ";
    const LineCase cases[] = {
        {"four bots, a map", game, 4, false, "mymap", head + "5 +deathmatch 1 team 0 +map mymap"},
        {"empty map keeps the trailing space", game, 0, false, "",
         head + "1 +deathmatch 1 team 0 +map "},
        {"a full server", game, 31, false, "x", head + "32 +deathmatch 1 team 0 +map x"},
        {"teamplay", game, 1, true, "x", head + "2 +deathmatch 1 team 1 +map x"},
        {"minus one gives no players", game, -1, false, "x",
         head + "0 +deathmatch 1 team 0 +map x"},
        {"more negative", game, -5, false, "x", head + "-4 +deathmatch 1 team 0 +map x"},
        {"largest count does not wrap", game, INT_MAX, false, "x",
         head + "2147483648 +deathmatch 1 team 0 +map x"},
        {"smallest count", game, INT_MIN, false, "x",
         head + "-2147483647 +deathmatch 1 team 0 +map x"},
        {"spaces go in unquoted", kSep + "my games" + kSep + "half life", 2, false, "de dust",
         kSep + "my games" + kSep + "half life" + kSep +
             "hl.exe -console -game Tarvex +sv_lan 1 +maxplayers 3 +deathmatch 1 team 0 +map "
             "de dust"},
        {"a root directory doubles the separator", kSep, 0, false, "",
         kSep + kSep +
             "hl.exe -console -game Tarvex +sv_lan 1 +maxplayers 1 +deathmatch 1 team 0 "
             "+map "},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(BuildCommandLine(c.gameDirectory, c.bots, c.teamplay, c.map), c.expected)
            << c.what;
}

TEST(CommandLine, ExecutableCheckOpensTheGamesHlExe) {
    TempDir dir;
    const std::string game = dir.str();
    EXPECT_EQ(GameExecutablePath(game), game + kSep + "hl.exe");
    EXPECT_FALSE(CanOpenForReading(GameExecutablePath(game)));
    WriteBytes(dir.path() / "hl.exe", "");
#ifndef _WIN32
    // Being executable is not asked for: the file only has to open.
    ::chmod((dir.path() / "hl.exe").c_str(), 0444);
#endif
    EXPECT_TRUE(CanOpenForReading(GameExecutablePath(game)));
}

} // namespace
