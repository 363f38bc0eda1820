#include "platform/code_page.h"

#include <array>
#include <unordered_map>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tarvex {

namespace {

struct CodePage {
    std::array<char16_t, 256> chars{};
    std::unordered_map<char16_t, unsigned char> bytes;

    CodePage() {
        for (unsigned b = 0; b < 256; ++b)
            chars[b] = static_cast<char16_t>(b);
#ifdef _WIN32
        // A code page of more than one byte a character cannot show every
        // byte on its own, and then Latin-1 keeps every byte instead.
        CPINFO info{};
        if (GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1) {
            std::array<bool, 65536> taken{};
            std::array<char16_t, 256> decoded{};
            for (unsigned b = 0; b < 256; ++b) {
                const char in = static_cast<char>(b);
                wchar_t out[2] = {};
                const int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &in, 1, out, 2);
                char back = 0;
                BOOL lossy = FALSE;
                const bool roundTrips = n == 1 &&
                                        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, out, 1,
                                                            &back, 1, nullptr, &lossy) == 1 &&
                                        !lossy && back == in &&
                                        !taken[static_cast<char16_t>(out[0])];
                if (roundTrips) {
                    decoded[b] = static_cast<char16_t>(out[0]);
                    taken[decoded[b]] = true;
                } else {
                    decoded[b] = 0; // settled below
                }
            }
            // A byte the code page leaves undefined keeps its Latin-1 character
            // where that is free, else a private-use one: shown, never lost.
            for (unsigned b = 0; b < 256; ++b) {
                if (decoded[b] == 0 && b != 0) {
                    char16_t c = static_cast<char16_t>(b);
                    if (taken[c])
                        c = static_cast<char16_t>(0xF700 + b);
                    decoded[b] = c;
                    taken[c] = true;
                }
            }
            chars = decoded;
        }
#endif
        for (unsigned b = 0; b < 256; ++b)
            bytes.emplace(chars[b], static_cast<unsigned char>(b));
    }
};

const CodePage& Page() {
    static const CodePage page;
    return page;
}

} // namespace

char16_t ByteToChar(unsigned char byte) {
    return Page().chars[byte];
}

std::optional<unsigned char> CharToByte(char16_t character) {
    if (character < 0x80 || (character < 0x100 && Page().chars[character] == character))
        return static_cast<unsigned char>(character);
    const auto& bytes = Page().bytes;
    const auto it = bytes.find(character);
    if (it == bytes.end())
        return std::nullopt;
    return it->second;
}

} // namespace tarvex
