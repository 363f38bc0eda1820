// Stands in for the game in the Windows tests: records which program ran, the
// command line the system handed it and its working directory into
// started.txt of that directory.

#include <cstdio>
#include <string>
#include <windows.h>

int main() {
    char program[MAX_PATH] = {};
    char directory[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    GetCurrentDirectoryA(MAX_PATH, directory);
    const std::string record = std::string("program: ") + program +
                               "\ncommand: " + GetCommandLineA() + "\ndir: " + directory + "\n";
    std::FILE* f = std::fopen("started.txt", "wb");
    if (!f)
        return 1;
    const bool written = std::fwrite(record.data(), 1, record.size(), f) == record.size();
    return std::fclose(f) == 0 && written ? 0 : 1;
}
