#include "platform/directories.h"

#include <cerrno>
#include <vector>

#ifdef _WIN32
#include "platform/native_file.h"

#include <direct.h>
#else
#include <unistd.h>
#endif

namespace tarvex {

#ifdef _WIN32
std::string CaptureGameDirectory() {
    const int drive = _getdrive(); // 1 for A
    std::string result = "X:\\";
    result[0] = static_cast<char>('A' + drive - 1);
    std::vector<wchar_t> buffer(1024);
    while (!_wgetdcwd(drive, buffer.data(), static_cast<int>(buffer.size()))) {
        if (errno != ERANGE)
            return result;
        buffer.resize(buffer.size() * 2);
    }
    // _wgetdcwd gives "C:\DIR"; keep what follows the drive's root.
    const std::string full = Narrow(buffer.data());
    if (full.size() > 3)
        result += full.substr(3);
    return result;
}
#else
std::string CaptureGameDirectory() {
    std::vector<char> buffer(1024);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return "/";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}
#endif

std::string JoinPath(const std::string& dir, const std::string& name) {
    std::string path;
    path.reserve(dir.size() + 1 + name.size());
    path += dir;
    path += kPathSeparator;
    path += name;
    return path;
}

std::string FormBotDirectory(const std::string& gameDirectory) {
    return JoinPath(gameDirectory, "Tarvex");
}

} // namespace tarvex
