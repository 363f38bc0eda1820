#pragma once
// Files named by the program's own path texts. Paths are UTF-8 on Windows,
// handed to the system's wide-character calls so that a folder name outside
// the ANSI code page still works; elsewhere a path is the system's own bytes.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex {

std::filesystem::path NativePath(const std::string& path);
std::string PathText(const std::filesystem::path& path);

// fopen for a path text.
std::FILE* OpenFile(const std::string& path, const char* mode);

#ifdef _WIN32
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
#endif

} // namespace tarvex
