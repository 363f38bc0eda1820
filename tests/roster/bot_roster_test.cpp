#include "platform/directories.h"
#include "platform/temp_dir.h"
#include "roster/bot_roster.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace tarvex {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using namespace std::string_literals;

std::vector<BotEntry> Read(std::string_view text, bool* overflow = nullptr) {
    RosterTable table;
    const bool more = ReadRosterText(text, table);
    if (overflow)
        *overflow = more;
    return {table.entries.begin(), table.entries.begin() + table.Count()};
}

RosterTable Table(std::vector<BotEntry> entries) {
    RosterTable table;
    for (const auto& e : entries)
        table.entries[static_cast<std::size_t>(++table.lastIndex)] = e;
    return table;
}

struct ReadCase {
    const char* what;
    std::string text;
    std::vector<BotEntry> expected;
};

class RosterReadForm : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RosterReadForm, GivesTheRoster) {
    EXPECT_EQ(Read(GetParam().text), GetParam().expected) << GetParam().what;
}

const BotEntry kNew = kNewBotEntry;

INSTANTIATE_TEST_SUITE_P(
    Cases, RosterReadForm,
    ::testing::Values(
        ReadCase{"one line, no line end", "bot1 \"New Bot\" gordon 1 1", {kNew}},
        ReadCase{"CR LF line ends",
                 "bot1 \"A\" m 1 2\r\nbot2 \"B\" n 3 4\r\n",
                 {{"A", "m", "1", "2"}, {"B", "n", "3", "4"}}},
        ReadCase{"LF line ends",
                 "bot1 \"A\" m 1 2\nbot2 \"B\" n 3 4\n",
                 {{"A", "m", "1", "2"}, {"B", "n", "3", "4"}}},
        ReadCase{"other lines skipped",
                 "\n bot1 \"X\" x 1 1\n// bot\nBot1 \"Y\" y 1 1\n\tbot \"Z\" z 1 1\nbot1 \"A\" m 1 "
                 "2\n\nbot2 \"B\" n 3 4",
                 {{"A", "m", "1", "2"}, {"B", "n", "3", "4"}}},
        ReadCase{"a lone b", "b", {{"", "", "", ""}}},
        ReadCase{"a lone b ended by a line feed", "b\n", {{"", "", "", ""}}},
        ReadCase{"two words", "banana split\n", {{"split", "", "", ""}}},
        ReadCase{"runs of spaces, number and extra words ignored",
                 "bot7    \"Spaced\"   m    5   6    extra    words",
                 {{"Spaced", "m", "5", "6"}}},
        ReadCase{"every field quoted",
                 "bot1 \"A\" \"quoted model\" \"3\" \"4\"",
                 {{"A", "quoted model", "3", "4"}}},
        ReadCase{"no space after a closing quote", "bot1 \"A\"m 1 2", {{"A", "m", "1", "2"}}},
        ReadCase{"empty quoted name", "bot1 \"\" m 1 2", {{"", "m", "1", "2"}}},
        ReadCase{"line ends early", "bot1 \"A\" m", {{"A", "m", "", ""}}},
        ReadCase{"unclosed quote, line feed joins",
                 "bot1 \"Unclosed name m 1 2\n",
                 {{"Unclosed name m 1 2 ", "", "", ""}}},
        ReadCase{"unclosed quote on the last line",
                 "bot1 \"Unclosed name m 1 2",
                 {{"Unclosed name m 1 2", "", "", ""}}},
        ReadCase{"tab is no separator", "bot1\t\"A\" m 1 2", {{"m", "1", "2", ""}}},
        ReadCase{"zero byte ends the text",
                 "bot1 \"A\" m 1 2\nbot2 \"B\"\0 n 3 4\nbot3 \"C\" o 5 6"s,
                 {{"A", "m", "1", "2"}, {"B", "", "", ""}}},
        ReadCase{"lone CR and 0x1A are characters",
                 "bot1 \"A\r\" m\x1A 1\r 2\r\r\n",
                 {{"A\r", "m\x1A", "1\r", "2\r"}}},
        ReadCase{"empty file", "", {}}, ReadCase{"no roster line", "// nothing\r\nhello\r\n", {}},
        ReadCase{"quote inside a written name",
                 "bot1 \"A\"B\" gordon 1 1",
                 {{"A", "B\"", "gordon", "1"}}},
        ReadCase{"fields cut to 32 characters",
                 "bot1 \"" + std::string(40, 'n') + "\" " + std::string(33, 'm') + " 1 2",
                 {{std::string(32, 'n'), std::string(32, 'm'), "1", "2"}}}));

TEST(RosterFile, KeepsTheFirst31RosterLinesAndSaysSo) {
    std::string text;
    for (int i = 1; i <= 40; ++i)
        text += "bot" + std::to_string(i) + " \"B" + std::to_string(i) + "\" m 1 1\n";
    bool overflow = false;
    const auto roster = Read(text, &overflow);
    ASSERT_EQ(roster.size(), 31u);
    EXPECT_EQ(roster.back().name, "B31");
    EXPECT_TRUE(overflow);

    Read(text.substr(0, text.find("bot32")), &overflow);
    EXPECT_FALSE(overflow);
}

TEST(RosterFile, WrittenFormIsExact) {
    EXPECT_EQ(WriteRosterText(Table({kNew, {"Two Words", "gordon", "10", "200"}})),
              "bot1 \"New Bot\" gordon 1 1\r\nbot2 \"Two Words\" gordon 10 200");
    EXPECT_EQ(WriteRosterText(Table({kNew})), "bot1 \"New Bot\" gordon 1 1");
    EXPECT_EQ(WriteRosterText(Table({{"A\"B", "gordon", "1", "1"}})), "bot1 \"A\"B\" gordon 1 1");
    EXPECT_EQ(WriteRosterText(Table({{"", "", "", ""}})), "bot1 \"\"   ");
}

TEST(RosterFile, WrittenRosterReadsBack) {
    RosterTable full;
    for (int i = 0; i < kRosterCapacity; ++i)
        full.entries[static_cast<std::size_t>(++full.lastIndex)] = {
            std::string(32, static_cast<char>('a' + i % 26)), "model" + std::to_string(i),
            std::to_string(i), std::string(32, '9')};
    RosterTable back;
    EXPECT_FALSE(ReadRosterText(WriteRosterText(full), back));
    EXPECT_EQ(back.lastIndex, full.lastIndex);
    EXPECT_EQ(back.entries, full.entries);
}

struct RecordingHost : RosterHost {
    std::vector<std::string> messages;
    int loaded = 0;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void RosterLoaded() override { ++loaded; }
};

class RosterFileOnDisk : public ::testing::Test {
  protected:
    TempDir dir;
    std::string bots = JoinPath(dir.str(), "bots.cfg");
    RecordingHost host;
};

TEST_F(RosterFileOnDisk, LoadReadsTheFileAndUpdatesTheWindow) {
    WriteBytes(bots, "bot1 \"A\" m 1 2\r\nbot2 \"B\" n 3 4");
    RosterTable table;
    EXPECT_EQ(LoadRoster(dir.str(), table, host), 0);
    EXPECT_EQ(table.lastIndex, 1);
    EXPECT_EQ(host.loaded, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RosterFileOnDisk, LoadTellsOfLeftOutBotsAfterLoading) {
    std::string text;
    for (int i = 0; i < 32; ++i)
        text += "bot \"x\" m 1 1\n";
    WriteBytes(bots, text);
    RosterTable table;
    EXPECT_EQ(LoadRoster(dir.str(), table, host), 0);
    EXPECT_EQ(table.Count(), 31);
    EXPECT_EQ(host.messages, std::vector<std::string>{kTooManyInFile});
}

TEST_F(RosterFileOnDisk, LoadFailuresLeaveAnEmptyRoster) {
    RosterTable table = Table({kNew});
    EXPECT_EQ(LoadRoster(dir.str(), table, host), 1); // missing
    std::filesystem::create_directory(bots);          // not a file
    EXPECT_EQ(LoadRoster(dir.str(), table, host), 1);
    EXPECT_EQ(table.lastIndex, -1);
    EXPECT_EQ(host.loaded, 0);
    EXPECT_EQ(host.messages, (std::vector<std::string>{kErr3, kErr3}));
}

TEST_F(RosterFileOnDisk, SaveWritesExactBytes) {
    WriteBytes(bots, "old contents that are longer than the new ones");
    EXPECT_EQ(SaveRoster(dir.str(), Table({kNew}), host), 0);
    EXPECT_EQ(ReadBytes(bots), "bot1 \"New Bot\" gordon 1 1");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RosterFileOnDisk, EmptyRosterSavesNothing) {
    WriteBytes(bots, "bot1 \"Kept\" m 1 1");
    EXPECT_EQ(SaveRoster(dir.str(), RosterTable{}, host), 0);
    EXPECT_EQ(ReadBytes(bots), "bot1 \"Kept\" m 1 1");
}

TEST_F(RosterFileOnDisk, SaveIntoAMissingDirectoryFails) {
    EXPECT_EQ(SaveRoster(JoinPath(dir.str(), "Tarvex"), Table({kNew}), host), 1);
    EXPECT_EQ(host.messages, std::vector<std::string>{kErr5});
}

TEST(RosterListFile, HoldsEachNameWithCrLf) {
    EXPECT_EQ(RosterListText(
                  Table({{"A", "m", "1", "1"}, {"", "m", "1", "1"}, {"Two Words", "m", "1", "1"}})),
              "A\r\n\r\nTwo Words\r\n");
    EXPECT_EQ(RosterListText(RosterTable{}), "");
}

#ifndef _WIN32

TEST(RosterListFile, LivesInAPrivateCacheDirectory) {
    TempDir dir;
    const std::string cache = dir.str() + "/cache";
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    ASSERT_TRUE(WriteRosterListFile(Table({kNew})));
    const auto folder = std::filesystem::path(cache) / "tarvex-manager";
    EXPECT_EQ(RosterListFilePath(), (folder / "temp.$$$").string());
    EXPECT_EQ(ReadBytes(folder / "temp.$$$"), "New Bot\r\n");
    EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);

    // A link planted at the name is replaced, never written through.
    const auto victim = dir.path() / "victim";
    WriteBytes(victim, "precious");
    std::filesystem::remove(folder / "temp.$$$");
    std::filesystem::create_symlink(victim, folder / "temp.$$$");
    ASSERT_TRUE(WriteRosterListFile(Table({kNew})));
    EXPECT_EQ(ReadBytes(victim), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "temp.$$$"));
    ::unsetenv("XDG_CACHE_HOME");
}

#endif

} // namespace
} // namespace tarvex
