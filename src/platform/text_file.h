#pragma once
// Reading and writing the system's text files byte for byte.

#include <string>
#include <string_view>

namespace tarvex {

// Reads the whole file in binary. False when it cannot be opened or read
// (a missing file, a directory, no permission).
bool ReadWholeFile(const std::string& path, std::string& contents);

// Walks the lines of a text as the game's readers see them: the text ends at
// its first zero byte, lines end at a line feed, and a carriage return right
// before a line feed is dropped. Any other carriage return or a 0x1A byte is an
// ordinary character. `fn(line, endedByLineFeed)` returns false to stop early.
// n line feeds always give n + 1 lines; the last one may be empty.
template <typename Fn> void ForEachTextLine(std::string_view text, Fn&& fn) {
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    for (;;) {
        const auto lf = text.find('\n');
        if (lf == std::string_view::npos) {
            fn(text, false);
            return;
        }
        auto line = text.substr(0, lf);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!fn(line, true))
            return;
        text.remove_prefix(lf + 1);
    }
}

inline constexpr std::string_view kLineEnd = "\r\n";

} // namespace tarvex
