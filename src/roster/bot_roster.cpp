#include "roster/bot_roster.h"

#include "platform/directories.h"
#include "platform/safe_write.h"
#include "platform/text_file.h"

#include <cstdlib>

#ifdef _WIN32
#include "platform/native_file.h"

#include <shlobj.h>
#include <windows.h>
// windows.h names its own ReplaceFile as a macro; ours is meant here.
#undef ReplaceFile
#else
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarvex {

RosterTable BotRoster;

namespace {

std::string Field(std::string_view text) {
    return std::string(text.substr(0, kFieldLength));
}

} // namespace

BotEntry ParseRosterLine(std::string_view line, bool endedByLineFeed) {
    std::string text(line);
    if (endedByLineFeed)
        text += ' ';
    BotEntry entry;
    std::string* fields[] = {&entry.name, &entry.model, &entry.topColour, &entry.bottomColour};

    // The first word (bot1, bot2, ...) only marks the line; its number is not read.
    std::size_t pos = text.find(' ');
    if (pos == std::string::npos)
        return entry;
    ++pos;
    for (std::string* field : fields) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        if (pos >= text.size())
            break;
        if (text[pos] == '"') {
            const std::size_t close = text.find('"', pos + 1);
            if (close == std::string::npos) {
                *field = Field(std::string_view(text).substr(pos + 1));
                break;
            }
            *field = Field(std::string_view(text).substr(pos + 1, close - pos - 1));
            pos = close + 1;
        } else {
            std::size_t end = text.find(' ', pos);
            if (end == std::string::npos)
                end = text.size();
            *field = Field(std::string_view(text).substr(pos, end - pos));
            pos = end;
        }
    }
    return entry;
}

bool ReadRosterText(std::string_view text, RosterTable& table) {
    table = RosterTable{};
    bool overflow = false;
    ForEachTextLine(text, [&](std::string_view line, bool endedByLineFeed) {
        if (line.empty() || line[0] != 'b')
            return true;
        if (table.lastIndex + 1 == kRosterCapacity) {
            overflow = true;
            return false;
        }
        table.entries[static_cast<std::size_t>(++table.lastIndex)] =
            ParseRosterLine(line, endedByLineFeed);
        return true;
    });
    return overflow;
}

std::string WriteRosterText(const RosterTable& table) {
    std::string text;
    for (int i = 0; i <= table.lastIndex; ++i) {
        const BotEntry& e = table.entries[static_cast<std::size_t>(i)];
        if (i > 0)
            text += kLineEnd;
        text += "bot" + std::to_string(i + 1) + " \"" + e.name + "\" " + e.model + ' ' +
                e.topColour + ' ' + e.bottomColour;
    }
    return text;
}

int LoadRoster(const std::string& botDirectory, RosterTable& table, RosterHost& host) {
    table = RosterTable{};
    std::string text;
    if (!ReadWholeFile(JoinPath(botDirectory, "bots.cfg"), text)) {
        host.ShowMessage(kErr3);
        return 1;
    }
    const bool overflow = ReadRosterText(text, table);
    host.RosterLoaded();
    if (overflow)
        host.ShowMessage(kTooManyInFile);
    return 0;
}

int SaveRoster(const std::string& botDirectory, const RosterTable& table, RosterHost& host) {
    if (table.lastIndex == -1)
        return 0;
    if (!ReplaceFile(JoinPath(botDirectory, "bots.cfg"), WriteRosterText(table))) {
        host.ShowMessage(kErr5);
        return 1;
    }
    return 0;
}

std::string RosterListText(const RosterTable& table) {
    std::string text;
    for (int i = 0; i <= table.lastIndex; ++i) {
        text += table.entries[static_cast<std::size_t>(i)].name;
        text += kLineEnd;
    }
    return text;
}

#ifdef _WIN32

std::string RosterListFilePath() {
    return "c:\\temp.$$$";
}

std::string RosterListFallbackPath() {
    PWSTR folder = nullptr;
    std::string path;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK) {
        const std::wstring dir = std::wstring(folder) + L"\\Tarvex Bot Manager";
        if (CreateDirectoryW(dir.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
            path = Narrow(dir) + "\\temp.$$$";
    }
    CoTaskMemFree(folder);
    return path;
}

#else

namespace {

bool MakePrivateDirectory(const std::string& dir) {
    if (mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST)
        return true;
    return false;
}

std::string CacheDirectory() {
    // Only an absolute XDG_CACHE_HOME counts; anything else falls back.
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/')
        return MakePrivateDirectory(xdg) ? std::string(xdg) : std::string();
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* pw = getpwuid(getuid());
        home = pw ? pw->pw_dir : nullptr;
    }
    if (!home || home[0] != '/')
        return {};
    const std::string cache = std::string(home) + "/.cache";
    return MakePrivateDirectory(cache) ? cache : std::string();
}

} // namespace

std::string RosterListFilePath() {
    const std::string cache = CacheDirectory();
    if (cache.empty())
        return {};
    const std::string dir = cache + "/tarvex-manager";
    if (!MakePrivateDirectory(dir))
        return {};
    return dir + "/temp.$$$";
}

std::string RosterListFallbackPath() {
    return {};
}

#endif

bool WriteRosterListFile(const RosterTable& table) {
    const std::string text = RosterListText(table);
    const auto write = [&text](const std::string& path) {
        return !path.empty() && ReplaceFile(path, text, LinkPolicy::ReplaceLink, false);
    };
    return write(RosterListFilePath()) || write(RosterListFallbackPath());
}

} // namespace tarvex
