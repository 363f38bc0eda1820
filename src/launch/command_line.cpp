#include "launch/command_line.h"

#include "platform/directories.h"
#include "platform/native_file.h"

#include <cstdio>

namespace tarvex {

std::string BuildCommandLine(const std::string& gameDirectory, int botsToSpawn, bool teamplay,
                             const std::string& mapName) {
    // Widened first, so the largest count still gains its one.
    const long long players = static_cast<long long>(botsToSpawn) + 1;
    std::string line;
    line += gameDirectory;
    line += kPathSeparator;
    line += "hl.exe -console ";
    line += "-game Tarvex +sv_lan 1 +maxplayers ";
    line += std::to_string(players);
    line += " +deathmatch 1 ";
    line += teamplay ? "team 1 " : "team 0 ";
    line += "+map ";
    line += mapName;
    return line;
}

std::string GameExecutablePath(const std::string& gameDirectory) {
    return JoinPath(gameDirectory, "hl.exe");
}

bool CanOpenForReading(const std::string& path) {
    std::FILE* file = OpenFile(path, "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

} // namespace tarvex
