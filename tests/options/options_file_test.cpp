#include "options/options_file.h"

#include "options/default_options.h"
#include "platform/temp_dir.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace tarvex;
using tarvex::testing::kDefaultFile;
using tarvex::testing::ReadBytes;
using tarvex::testing::TempDir;
using tarvex::testing::WriteBytes;

namespace {

// The window's controls as one map from control name to state, so a case can
// say what changed and check that nothing else did.
using State = std::map<std::string, std::string>;

const State kDefaults = {
    {"CFGThinkSpeed", "0.1"},     {"CFGBotFov", "90"},      {"CFGBotSpeed", "0"},
    {"CFGChatfile", "talk.cfg"},  {"CFGfreqdied", "5.0"},   {"CFGfreqkills", "5.0"},
    {"CFGNavType", "Full"},       {"CFGMsec", "0"},         {"CFGMsecMin", "10"},
    {"CFGMsecMax", "50"},         {"CFGBotHearing", "1"},   {"CFGBotPain", "1"},
    {"CFGGaussJump", "1"},        {"CFGTripmines", "1"},    {"CFGBotCrowbar", "0"},
    {"CFGUseWPs", "1"},           {"CFGBotDelay", "1"},     {"CFGAngleFrame", "1"},
    {"CFGBotTalk", "1"},          {"CFGCheating", "0"},     {"CFGTeamplay", "0"},
    {"CFGUse4AllMaps", "1"},      {"CFGBotAccuracy", "10"}, {"CFGBotstospawn", "0"},
    {"chatEnabled", "untouched"}, {"coopSciKill", "1"},     {"coopKillMeth", "0"},
};

const char* const kTextNames[] = {"CFGThinkSpeed", "CFGBotFov",    "CFGBotSpeed", "CFGChatfile",
                                  "CFGfreqdied",   "CFGfreqkills", "CFGNavType",  "CFGMsec",
                                  "CFGMsecMin",    "CFGMsecMax"};
const char* const kCheckNames[] = {"CFGBotHearing", "CFGBotPain",    "CFGGaussJump",
                                   "CFGTripmines",  "CFGBotCrowbar", "CFGUseWPs",
                                   "CFGBotDelay",   "CFGAngleFrame", "CFGBotTalk",
                                   "CFGCheating",   "CFGTeamplay",   "CFGUse4AllMaps"};

class FakeWindow final : public OptionsHost {
  public:
    explicit FakeWindow(State initial = kDefaults) : state(std::move(initial)) {
        coopSciKill = state["coopSciKill"];
        coopKillMeth = state["coopKillMeth"];
    }

    std::string Text(OptionText c) override { return state[kTextNames[int(c)]]; }
    void SetText(OptionText c, const std::string& text) override {
        state[kTextNames[int(c)]] = text;
    }
    bool Checked(OptionCheck c) override { return state[kCheckNames[int(c)]] == "1"; }
    void SetChecked(OptionCheck c, bool checked) override {
        state[kCheckNames[int(c)]] = checked ? "1" : "0";
    }
    int AccuracyPosition() override { return std::stoi(state["CFGBotAccuracy"]); }
    void SetAccuracyPosition(int position) override {
        state["CFGBotAccuracy"] = std::to_string(position);
    }
    int BotsToSpawn() override { return std::stoi(state["CFGBotstospawn"]); }
    void SetBotsToSpawn(int value) override { state["CFGBotstospawn"] = std::to_string(value); }
    void SetChatControlsEnabled(bool enabled) override {
        state["chatEnabled"] = enabled ? "1" : "0";
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    // Everything, the module's co-op values included.
    State Snapshot() const {
        State all = state;
        all["coopSciKill"] = coopSciKill;
        all["coopKillMeth"] = coopKillMeth;
        return all;
    }

    State state;
    std::vector<std::string> messages;
};

State With(State base, const State& changes) {
    for (const auto& [name, value] : changes)
        base[name] = value;
    return base;
}

} // namespace

TEST(OptionsFile, WritesTheDefaultsAsThirtyFiveLines) {
    FakeWindow window;
    EXPECT_EQ(WriteOptionsText(window), kDefaultFile);
}

TEST(OptionsFile, WritesEveryControlAsItStands) {
    FakeWindow window(With(kDefaults, {{"CFGThinkSpeed", ""},
                                       {"CFGBotFov", "Wide Angle"},
                                       {"CFGBotAccuracy", "160"},
                                       {"CFGBotHearing", "0"},
                                       {"CFGBotCrowbar", "1"},
                                       {"CFGBotTalk", "0"},
                                       {"CFGChatfile", "Mine.cfg"},
                                       {"coopSciKill", "2"},
                                       {"CFGNavType", "Part"},
                                       {"CFGUse4AllMaps", "0"},
                                       {"CFGTeamplay", "1"},
                                       {"CFGBotstospawn", "-2"}}));
    const std::string text = WriteOptionsText(window);
    for (const char* line :
         {"\r\nbot_thinkspeed \r\n", "\r\nbotfov Wide Angle\r\n", "\r\nbotaccuracy 160\r\n",
          "\r\nbothearing 0\r\n", "\r\nbot_crowbar 1\r\n", "\r\nbotchat 0\r\n",
          "\r\nchatfile Mine.cfg\r\n", "\r\ncoop_scikill 2\r\n", "\r\nspeedup 2\r\n",
          "\r\nnostartexec 1\r\n", "\r\nteam 1\r\n", "\r\nbot_num -2\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

struct ReadCase {
    const char* name;
    std::string text;
    State changes; // against the defaults, after the chat rule has run
};

class OptionsRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(OptionsRead, SetsOnlyWhatTheLinesName) {
    const ReadCase& c = GetParam();
    FakeWindow window;
    ReadOptionsText(c.text, window);
    EXPECT_EQ(window.Snapshot(), With(With(kDefaults, {{"chatEnabled", "1"}}), c.changes));
    EXPECT_TRUE(window.messages.empty());
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Lines, OptionsRead,
    ::testing::Values(
        ReadCase{"Empty", "", {}}, ReadCase{"OnlyLineFeeds", "\n\n\r\n", {}},
        ReadCase{"Comments", "// botfov 1\n/botfov 2\n", {}},
        ReadCase{"IndentedSetting", " botfov 45\n  botfov 46", {}},
        ReadCase{"TabBeforeKey", "\tbotfov 45", {}},
        ReadCase{"TabBetweenKeyAndValue", "botfov\t45", {}},
        ReadCase{"UnknownKeys", "nobotcfg 1\nbotusefov 0\necho Tarvex configured.", {}},
        ReadCase{
            "KeyAnyCase", "BotFov 45\nBOTSPEED 7", {{"CFGBotFov", "45"}, {"CFGBotSpeed", "7"}}},
        ReadCase{"ValueLowerCased", "chatfile TALK_DE.CFG", {{"CFGChatfile", "talk_de.cfg"}}},
        ReadCase{"FirstWordOfValue",
                 "chatfile talk_de.cfg talk.cfg\n",
                 {{"CFGChatfile", "talk_de.cfg"}}},
        ReadCase{"SpacesBeforeValue", "botfov    45  junk", {{"CFGBotFov", "45"}}},
        ReadCase{"KeyAlone", "botfov\nbotspeed", {{"CFGBotFov", ""}, {"CFGBotSpeed", ""}}},
        ReadCase{"LastLineWins", "botfov 1\nbotfov 2\n", {{"CFGBotFov", "2"}}},
        ReadCase{"CrLfLikeLf",
                 "botfov 45\r\nbotspeed 3\r\n",
                 {{"CFGBotFov", "45"}, {"CFGBotSpeed", "3"}}},
        ReadCase{"ZeroByteEndsText", "botfov 45\n\0botspeed 3\n"s, {{"CFGBotFov", "45"}}},
        ReadCase{"LongValueCut",
                 "botfov " + std::string(40, '7'),
                 {{"CFGBotFov", std::string(32, '7')}}},
        ReadCase{"AllTexts",
                 "bot_thinkspeed 0.125\nchatfreq_died 12.5\nchatfreq_killed 1\nbotmsec 3\n"
                 "msec_min 4\nmsec_max 5",
                 {{"CFGThinkSpeed", "0.125"},
                  {"CFGfreqdied", "12.5"},
                  {"CFGfreqkills", "1"},
                  {"CFGMsec", "3"},
                  {"CFGMsecMin", "4"},
                  {"CFGMsecMax", "5"}}},
        ReadCase{"AccuracyInRange", "botaccuracy 55", {{"CFGBotAccuracy", "55"}}},
        ReadCase{"AccuracyAbove", "botaccuracy 500", {{"CFGBotAccuracy", "160"}}},
        ReadCase{"AccuracyBelow", "botaccuracy -3", {{"CFGBotAccuracy", "0"}}},
        ReadCase{"AccuracyNoDigits", "botaccuracy abc", {{"CFGBotAccuracy", "0"}}},
        ReadCase{"AccuracyLeadingDigits", "botaccuracy 12abc", {{"CFGBotAccuracy", "12"}}},
        ReadCase{"AccuracyHuge", "botaccuracy 4294967306", {{"CFGBotAccuracy", "160"}}},
        ReadCase{"AccuracyHugeNegative", "botaccuracy -4294967306", {{"CFGBotAccuracy", "0"}}},
        ReadCase{"BotsNegative", "bot_num -2", {{"CFGBotstospawn", "-2"}}},
        ReadCase{"BotsNoValue", "bot_num 5\nbot_num", {{"CFGBotstospawn", "0"}}},
        ReadCase{"BotsSignAndTab", "bot_num \t+7x", {{"CFGBotstospawn", "7"}}},
        ReadCase{"BotsSaturateHigh", "bot_num 4294967297", {{"CFGBotstospawn", "2147483647"}}},
        ReadCase{"BotsSaturateLow", "bot_num -99999999999", {{"CFGBotstospawn", "-2147483648"}}},
        ReadCase{"CheckBoxes",
                 "bothearing 0\nbotpain 0\nbot_gauss 0\nbot_tripmines 0\nbot_crowbar 1\n"
                 "waypoints 0\nbot_viewdelay 0\nbot_angleupdate 0\nsv_cheats 1\nteam 1",
                 {{"CFGBotHearing", "0"},
                  {"CFGBotPain", "0"},
                  {"CFGGaussJump", "0"},
                  {"CFGTripmines", "0"},
                  {"CFGBotCrowbar", "1"},
                  {"CFGUseWPs", "0"},
                  {"CFGBotDelay", "0"},
                  {"CFGAngleFrame", "0"},
                  {"CFGCheating", "1"},
                  {"CFGTeamplay", "1"}}},
        ReadCase{"CheckBoxOtherValues", "bothearing yes\nbotpain 01\nbot_crowbar true\nteam", {}},
        ReadCase{"NoStartExecOne", "nostartexec 1", {{"CFGUse4AllMaps", "0"}}},
        ReadCase{"NoStartExecOther", "nostartexec 2", {}},
        ReadCase{"SpeedupMinimal", "speedup 1", {{"CFGNavType", "Minimal"}}},
        ReadCase{"SpeedupPart", "speedup 2", {{"CFGNavType", "Part"}}},
        ReadCase{"SpeedupUnknown", "speedup 3", {{"CFGNavType", ""}}},
        ReadCase{"SpeedupEmpty", "speedup", {{"CFGNavType", ""}}},
        ReadCase{"ChatOff", "botchat 0", {{"CFGBotTalk", "0"}, {"chatEnabled", "0"}}},
        ReadCase{"CoopValues",
                 "coop_scikill 2\ncoop_killmeth ABC",
                 {{"coopSciKill", "2"}, {"coopKillMeth", "abc"}}},
        ReadCase{"CoopValueCut", "coop_scikill 1234567890123", {{"coopSciKill", "123456789"}}}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

TEST(OptionsFile, ReadingWhatWasWrittenRestoresEveryControl) {
    const State edited = {
        {"CFGThinkSpeed", "0.5"},  {"CFGBotFov", "120"},    {"CFGBotSpeed", "-1"},
        {"CFGChatfile", "my.cfg"}, {"CFGfreqdied", "1.0"},  {"CFGfreqkills", "9"},
        {"CFGNavType", "Minimal"}, {"CFGMsec", "7"},        {"CFGMsecMin", "1"},
        {"CFGMsecMax", ""},        {"CFGBotHearing", "0"},  {"CFGBotPain", "0"},
        {"CFGGaussJump", "0"},     {"CFGTripmines", "0"},   {"CFGBotCrowbar", "1"},
        {"CFGUseWPs", "0"},        {"CFGBotDelay", "0"},    {"CFGAngleFrame", "0"},
        {"CFGBotTalk", "0"},       {"CFGCheating", "1"},    {"CFGTeamplay", "1"},
        {"CFGUse4AllMaps", "0"},   {"CFGBotAccuracy", "0"}, {"CFGBotstospawn", "-5"},
        {"chatEnabled", "0"},      {"coopSciKill", "2"},    {"coopKillMeth", "123456789"},
    };
    ASSERT_EQ(edited.size(), kDefaults.size());
    FakeWindow source(edited);
    const std::string text = WriteOptionsText(source);

    FakeWindow window; // back to the defaults, co-op values included
    ReadOptionsText(text, window);
    EXPECT_EQ(window.Snapshot(), edited);
    EXPECT_EQ(WriteOptionsText(window), text);
}

class OptionsFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        coopSciKill = "1";
        coopKillMeth = "0";
    }
    TempDir dir;
    std::filesystem::path file() const { return dir.path() / "tarvex.cfg"; }
};

TEST_F(OptionsFileOnDisk, MissingFileIsToldAndChangesNothing) {
    FakeWindow window;
    EXPECT_EQ(ReadOptionsFile(dir.str(), window), 1);
    EXPECT_EQ(window.messages, std::vector<std::string>{kErr4});
    EXPECT_EQ(window.Snapshot(), kDefaults);
}

TEST_F(OptionsFileOnDisk, ReadsTheFileByItsLowerCaseName) {
    WriteBytes(file(), "botfov 45");
    FakeWindow window;
    EXPECT_EQ(ReadOptionsFile(dir.str(), window), 0);
    EXPECT_EQ(window.state["CFGBotFov"], "45");
    EXPECT_EQ(window.state["chatEnabled"], "1");
}

TEST_F(OptionsFileOnDisk, SaveWritesTheFile) {
    WriteBytes(file(), "old");
    FakeWindow window;
    EXPECT_EQ(WriteOptionsFile(dir.str(), window), 0);
    EXPECT_EQ(ReadBytes(file()), kDefaultFile);
}

TEST_F(OptionsFileOnDisk, UnknownNavigationTypeIsRefusedBeforeTheFileIsTouched) {
    for (const char* nav : {"", "full", "Fast", "Full "}) {
        WriteBytes(file(), "old");
        FakeWindow window(With(kDefaults, {{"CFGNavType", nav}}));
        EXPECT_EQ(WriteOptionsFile(dir.str(), window), 1) << nav;
        EXPECT_EQ(ReadBytes(file()), "old") << nav;
    }
}

TEST_F(OptionsFileOnDisk, MissingDirectoryIsRefused) {
    FakeWindow window;
    const auto missing = dir.path() / "Tarvex";
    EXPECT_EQ(WriteOptionsFile(missing.string(), window), 2);
    EXPECT_FALSE(std::filesystem::exists(missing));
}
