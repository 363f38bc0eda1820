// Stands in for the game in the Windows tests: records which program ran, the
// command line the system handed it and its working directory into
// started.txt of that directory, in UTF-8.

#include <cstdio>
#include <string>
#include <windows.h>

static std::string Utf8(const wchar_t* wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), n, nullptr, nullptr);
    return text;
}

int main() {
    wchar_t program[32768] = {};
    wchar_t directory[32768] = {};
    GetModuleFileNameW(nullptr, program, 32768);
    GetCurrentDirectoryW(32768, directory);
    const std::string record = "program: " + Utf8(program) +
                               "\ncommand: " + Utf8(GetCommandLineW()) +
                               "\ndir: " + Utf8(directory) + "\n";
    std::FILE* f = std::fopen("started.txt", "wb");
    if (!f)
        return 1;
    const bool written = std::fwrite(record.data(), 1, record.size(), f) == record.size();
    return std::fclose(f) == 0 && written ? 0 : 1;
}
