// Stands in for the game in the Windows tests: records which program ran, the
// command line the system handed it and its working directory into
// started.txt of that directory, in UTF-8. With --clipboard it writes the
// clipboard's text to clipboard.txt instead, for tests that read a text box.

#include <cstdio>
#include <string>
#include <windows.h>

static std::string Utf8(const wchar_t* wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), n, nullptr, nullptr);
    return text;
}

static int WriteFile(const char* name, const std::string& text) {
    std::FILE* f = std::fopen(name, "wb");
    if (!f)
        return 1;
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && written ? 0 : 1;
}

static int SaveClipboard() {
    std::string text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = Utf8(wide);
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    return WriteFile("clipboard.txt", text);
}

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--clipboard")
        return SaveClipboard();
    wchar_t program[32768] = {};
    wchar_t directory[32768] = {};
    GetModuleFileNameW(nullptr, program, 32768);
    GetCurrentDirectoryW(32768, directory);
    const std::string record = "program: " + Utf8(program) +
                               "\ncommand: " + Utf8(GetCommandLineW()) +
                               "\ndir: " + Utf8(directory) + "\n";
    return WriteFile("started.txt", record);
}
