#pragma once
// The game directory and the paths formed from it.

#include <string>

namespace tarvex {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The directory the program was started in: on Windows the drive letter, a
// colon, a backslash and the current directory of that drive ("C:\GAMES\HL",
// "C:\" at the root); elsewhere the absolute working directory ("/" at the
// root). No length limit.
std::string CaptureGameDirectory();

// `dir` + separator + `name`, without tidying: at the root this doubles the
// separator ("C:\\Tarvex", "//Tarvex"), as every reader of these paths expects.
std::string JoinPath(const std::string& dir, const std::string& name);

// GameDirectory + separator + "Tarvex".
std::string FormBotDirectory(const std::string& gameDirectory);

} // namespace tarvex
