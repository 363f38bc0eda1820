#include "platform/native_file.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tarvex {

std::filesystem::path NativePath(const std::string& path) {
    // char8_t text is taken as UTF-8 on Windows and as plain bytes elsewhere.
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

#ifdef _WIN32

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), n);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), n, nullptr, nullptr);
    return utf8;
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return _wfopen(Widen(path).c_str(), Widen(mode).c_str());
}

#else

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

#endif

} // namespace tarvex
