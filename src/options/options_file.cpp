#include "options/options_file.h"

#include "platform/directories.h"
#include "platform/safe_write.h"
#include "platform/text_file.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <variant>

namespace tarvex {

std::string coopSciKill = "1";
std::string coopKillMeth = "0";

namespace {

constexpr int kAccuracyMin = 0;
constexpr int kAccuracyMax = 160;

enum class Special { BotNum, BotAccuracy, Speedup, NoStartExec, CoopSciKill, CoopKillMeth };

struct KeyRow {
    std::string_view key;
    std::variant<OptionText, OptionCheck, Special> target;
};

constexpr KeyRow kKeys[] = {
    {"bot_thinkspeed", OptionText::CFGThinkSpeed},
    {"botfov", OptionText::CFGBotFov},
    {"botspeed", OptionText::CFGBotSpeed},
    {"bot_num", Special::BotNum},
    {"botaccuracy", Special::BotAccuracy},
    {"bothearing", OptionCheck::CFGBotHearing},
    {"botpain", OptionCheck::CFGBotPain},
    {"bot_gauss", OptionCheck::CFGGaussJump},
    {"bot_tripmines", OptionCheck::CFGTripmines},
    {"bot_crowbar", OptionCheck::CFGBotCrowbar},
    {"waypoints", OptionCheck::CFGUseWPs},
    {"bot_viewdelay", OptionCheck::CFGBotDelay},
    {"bot_angleupdate", OptionCheck::CFGAngleFrame},
    {"botchat", OptionCheck::CFGBotTalk},
    {"chatfile", OptionText::CFGChatfile},
    {"chatfreq_died", OptionText::CFGfreqdied},
    {"chatfreq_killed", OptionText::CFGfreqkills},
    {"speedup", Special::Speedup},
    {"sv_cheats", OptionCheck::CFGCheating},
    {"team", OptionCheck::CFGTeamplay},
    {"nostartexec", Special::NoStartExec},
    {"botmsec", OptionText::CFGMsec},
    {"msec_min", OptionText::CFGMsecMin},
    {"msec_max", OptionText::CFGMsecMax},
    {"coop_scikill", Special::CoopSciKill},
    {"coop_killmeth", Special::CoopKillMeth},
};

constexpr const char* kNavTypes[] = {"Full", "Minimal", "Part"};

void LowerCase(std::string& text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// atol's reading, held at the ends of the 32-bit range instead of overflowing.
int IntegerOf(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > std::int64_t{INT_MAX} + 1)
            magnitude = std::int64_t{INT_MAX} + 1;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int>(value > INT_MAX ? INT_MAX : value);
}

// The check-box rule: "1" checks, "0" unchecks, anything else leaves the box.
void ApplyCheck(OptionsHost& host, OptionCheck box, const std::string& value, bool inverted) {
    if (value == "1" || value == "0")
        host.SetChecked(box, (value == "1") != inverted);
}

void ApplySpecial(Special what, const std::string& value, OptionsHost& host) {
    switch (what) {
    case Special::BotNum:
        host.SetBotsToSpawn(IntegerOf(value));
        break;
    case Special::BotAccuracy: {
        const int position = IntegerOf(value);
        host.SetAccuracyPosition(position < kAccuracyMin   ? kAccuracyMin
                                 : position > kAccuracyMax ? kAccuracyMax
                                                           : position);
        break;
    }
    case Special::Speedup: {
        std::string nav;
        if (value.size() == 1 && value[0] >= '0' && value[0] <= '2')
            nav = kNavTypes[value[0] - '0'];
        host.SetText(OptionText::CFGNavType, nav);
        break;
    }
    case Special::NoStartExec:
        ApplyCheck(host, OptionCheck::CFGUse4AllMaps, value, true);
        break;
    case Special::CoopSciKill:
        coopSciKill = value.substr(0, kCoopValueLength);
        break;
    case Special::CoopKillMeth:
        coopKillMeth = value.substr(0, kCoopValueLength);
        break;
    }
}

std::string_view Field(std::string_view text) {
    return text.substr(0, kOptionFieldLength);
}

} // namespace

void ApplyOptionLine(std::string key, std::string value, OptionsHost& host) {
    key.resize(std::min(key.size(), kOptionFieldLength));
    value.resize(std::min(value.size(), kOptionFieldLength));
    LowerCase(key);
    LowerCase(value);
    for (const KeyRow& row : kKeys) {
        if (row.key != key)
            continue;
        if (const auto* text = std::get_if<OptionText>(&row.target))
            host.SetText(*text, value);
        else if (const auto* box = std::get_if<OptionCheck>(&row.target))
            ApplyCheck(host, *box, value, false);
        else
            ApplySpecial(std::get<Special>(row.target), value, host);
        return;
    }
}

void ReadOptionsText(std::string_view text, OptionsHost& host) {
    ForEachTextLine(text, [&host](std::string_view line, bool) {
        // Comments, indented lines and empty lines carry no setting. The line
        // feed's trailing space only ever ends the key or the value, so the
        // line is cut without it.
        if (line.empty() || line[0] == '/' || line[0] == ' ')
            return true;
        const std::size_t keyEnd = line.find(' ');
        std::string_view key = line.substr(0, keyEnd);
        std::string_view value;
        if (keyEnd != std::string_view::npos) {
            std::size_t start = line.find_first_not_of(' ', keyEnd);
            if (start != std::string_view::npos) {
                value = line.substr(start);
                value = value.substr(0, value.find(' '));
            }
        }
        ApplyOptionLine(std::string(Field(key)), std::string(Field(value)), host);
        return true;
    });
    host.SetChatControlsEnabled(host.Checked(OptionCheck::CFGBotTalk));
}

int ReadOptionsFile(const std::string& botDirectory, OptionsHost& host) {
    std::string text;
    if (!ReadWholeFile(JoinPath(botDirectory, "tarvex.cfg"), text)) {
        host.ShowMessage(kErr4);
        return 1;
    }
    ReadOptionsText(text, host);
    return 0;
}

int SpeedupFromNavType(const std::string& navType) {
    for (int i = 0; i < 3; ++i)
        if (navType == kNavTypes[i])
            return i;
    return -1;
}

std::string WriteOptionsText(OptionsHost& host) {
    std::string out;
    auto line = [&out](std::string_view text) {
        if (!out.empty())
            out += kLineEnd;
        out += text;
    };
    auto text = [&](std::string_view key, OptionText control) {
        line(std::string(key) + ' ' + host.Text(control));
    };
    auto check = [&](std::string_view key, OptionCheck control) {
        line(std::string(key) + (host.Checked(control) ? " 1" : " 0"));
    };

    line("// Tarvex config file created by Tarvex, Bot Manager");
    line("nobotcfg 0");
    line("botcfgfile bots.cfg");
    line("// General Bot Options");
    text("bot_thinkspeed", OptionText::CFGThinkSpeed);
    line("botusefov 1");
    text("botfov", OptionText::CFGBotFov);
    text("botspeed", OptionText::CFGBotSpeed);
    line("botaccuracy " + std::to_string(host.AccuracyPosition()));
    check("bothearing", OptionCheck::CFGBotHearing);
    check("botpain", OptionCheck::CFGBotPain);
    check("bot_gauss", OptionCheck::CFGGaussJump);
    check("bot_tripmines", OptionCheck::CFGTripmines);
    check("bot_crowbar", OptionCheck::CFGBotCrowbar);
    check("waypoints", OptionCheck::CFGUseWPs);
    check("bot_viewdelay", OptionCheck::CFGBotDelay);
    check("bot_angleupdate", OptionCheck::CFGAngleFrame);
    line("// Bot Chat Options");
    check("botchat", OptionCheck::CFGBotTalk);
    text("chatfile", OptionText::CFGChatfile);
    text("chatfreq_died", OptionText::CFGfreqdied);
    text("chatfreq_killed", OptionText::CFGfreqkills);
    line("// Co-op options");
    line("coop_scikill " + coopSciKill);
    line("coop_killmeth " + coopKillMeth);
    line("// Other Options");
    line("speedup " + std::to_string(SpeedupFromNavType(host.Text(OptionText::CFGNavType))));
    text("botmsec", OptionText::CFGMsec);
    text("msec_min", OptionText::CFGMsecMin);
    text("msec_max", OptionText::CFGMsecMax);
    line(host.Checked(OptionCheck::CFGUse4AllMaps) ? "nostartexec 0" : "nostartexec 1");
    check("sv_cheats", OptionCheck::CFGCheating);
    check("team", OptionCheck::CFGTeamplay);
    line("bot_num " + std::to_string(host.BotsToSpawn()));
    line("echo Tarvex configured.");
    return out;
}

int WriteOptionsFile(const std::string& botDirectory, OptionsHost& host) {
    // A typed name the game does not know is refused like an empty one rather
    // than written as a number it would misread.
    if (SpeedupFromNavType(host.Text(OptionText::CFGNavType)) < 0)
        return 1;
    if (!ReplaceFile(JoinPath(botDirectory, "tarvex.cfg"), WriteOptionsText(host)))
        return 2;
    return 0;
}

} // namespace tarvex
