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
