#pragma once
// The game's command line and the check for its executable.

#include <string>

namespace tarvex {

inline constexpr const char* kErr6 = "Err6: Executable could not be found.";
inline constexpr const char* kErr8 = "Err8: Half-Life could not be started.";

// GameDirectory + separator + "hl.exe -console -game Tarvex +sv_lan 1 +maxplayers "
// + (botsToSpawn + 1) + " +deathmatch 1 " + "team 1 "/"team 0 " + "+map " +
// mapName. Nothing is quoted: the game takes the line as it stands.
std::string BuildCommandLine(const std::string& gameDirectory, int botsToSpawn, bool teamplay,
                             const std::string& mapName);

// GameDirectory + separator + "hl.exe".
std::string GameExecutablePath(const std::string& gameDirectory);

// Whether the file opens for reading.
bool CanOpenForReading(const std::string& path);

} // namespace tarvex
