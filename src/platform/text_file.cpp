#include "platform/text_file.h"

#include "platform/native_file.h"

#include <cstdio>
#include <filesystem>

namespace tarvex {

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    std::FILE* f = OpenFile(path, "rb");
    if (!f)
        return false;
    // The size is only a hint: the file may change under us, and the loop
    // below reads to its real end whatever it says.
    std::error_code ec;
    if (const auto size = std::filesystem::file_size(NativePath(path), ec);
        !ec && size < contents.max_size())
        contents.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    bool ok = true;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
        contents.append(buffer, n);
        if (n < sizeof buffer) {
            ok = !std::ferror(f);
            break;
        }
    }
    std::fclose(f);
    if (!ok)
        contents.clear();
    return ok;
}

} // namespace tarvex
