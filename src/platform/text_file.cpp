#include "platform/text_file.h"

#include <cstdio>

namespace tarvex {

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
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
