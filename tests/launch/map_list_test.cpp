#include "launch/map_list.h"

#include "platform/temp_dir.h"

#include <gtest/gtest.h>

using namespace tarvex;
using tarvex::testing::TempDir;
using tarvex::testing::WriteBytes;

TEST(MapList, NamesTheMapFilesOfBothFoldersOnce) {
    TempDir dir;
    const auto tarvexMaps = dir.path() / "Tarvex" / "maps";
    const auto valveMaps = dir.path() / "valve" / "maps";
    std::filesystem::create_directories(tarvexMaps);
    std::filesystem::create_directories(valveMaps);
    for (const char* name : {"stalkyard.bsp", "crossfire.bsp", "notes.txt", "bsp", ".bsp"})
        WriteBytes(tarvexMaps / name, "");
    for (const char* name : {"crossfire.bsp", "Boot_Camp.BSP", "datacore.bsp.bak"})
        WriteBytes(valveMaps / name, "");
    std::filesystem::create_directories(valveMaps / "folder.bsp");

    EXPECT_EQ(ListMapNames(dir.str()),
              (std::vector<std::string>{"Boot_Camp", "crossfire", "stalkyard"}));
}

TEST(MapList, MissingFoldersGiveNoNames) {
    TempDir dir;
    EXPECT_TRUE(ListMapNames(dir.str()).empty());
    EXPECT_TRUE(ListMapNames(dir.str() + "/not there").empty());
}

TEST(PlayerModels, NamesTheFoldersOfBothGamesThatHoldTheirOwnModel) {
    TempDir dir;
    const auto valve = dir.path() / "valve" / "models" / "player";
    const auto tarvex = dir.path() / "Tarvex" / "models" / "player";
    const auto put = [](const std::filesystem::path& folder, const std::string& name,
                        const std::string& file) {
        std::filesystem::create_directories(folder / name);
        WriteBytes(folder / name / file, "");
    };
    const std::string longest(32, 'm');
    const std::string tooLong(33, 'm');
    put(valve, "gordon", "gordon.mdl");
    put(valve, "scientist", "scientist.mdl");
    put(tarvex, "scientist", "scientist.mdl");
    put(tarvex, "zombie_bot", "zombie_bot.mdl");
    put(valve, "barney", "barney.bmp");
    put(valve, "gina", "gordon.mdl");
    put(valve, "helmet", "HELMET.MDL");
    put(valve, "two words", "two words.mdl");
    put(valve, longest, longest + ".mdl");
    put(valve, tooLong, tooLong + ".mdl");
    std::filesystem::create_directories(valve / "empty");
    std::filesystem::create_directories(valve / "robo" / "robo.mdl");
    WriteBytes(valve / "stray.mdl", "");
    WriteBytes(valve / "stray", "");

#ifdef _WIN32
    // The case of a file name does not count there.
    const std::vector<std::string> expected{"gordon", "helmet", longest, "scientist", "zombie_bot"};
#else
    const std::vector<std::string> expected{"gordon", longest, "scientist", "zombie_bot"};
#endif
    EXPECT_EQ(ListPlayerModels(dir.str()), expected);
}

TEST(PlayerModels, MissingFoldersGiveNoNames) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "valve" / "models");
    EXPECT_TRUE(ListPlayerModels(dir.str()).empty());
    EXPECT_TRUE(ListPlayerModels(dir.str() + "/not there").empty());
}
