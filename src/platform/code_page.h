#pragma once
// What the single bytes of the game's files stand for on screen: on Windows
// the system's ANSI code page, as the player's other tools show them;
// elsewhere Latin-1. Every byte has a character of its own and comes back
// from it unchanged.

#include <optional>

namespace tarvex {

char16_t ByteToChar(unsigned char byte);

// The byte a character stands for; none for a character no byte shows, which
// the edit boxes refuse so that nothing typed is lost on saving.
std::optional<unsigned char> CharToByte(char16_t character);

} // namespace tarvex
