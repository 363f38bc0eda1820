#pragma once
// The maps and player models the game offers, for completing typed names.

#include <string>
#include <vector>

namespace tarvex {

// The names, without ".bsp", of the map files in the bot's and the base
// game's maps folders under `gameDirectory`, sorted, each once. Missing or
// unreadable folders give nothing.
std::vector<std::string> ListMapNames(const std::string& gameDirectory);

// The player models under `gameDirectory`: the folders of valve/models/player
// and Tarvex/models/player that hold a model file of their own name ("gordon"
// for gordon/gordon.mdl), sorted, each once. The file system decides whether
// the file name's case must match: exactly on Linux, in any case on Windows.
// Names a roster field cannot hold (longer than 32 bytes, or with a space or a
// control character) are left out, as are missing or unreadable folders.
std::vector<std::string> ListPlayerModels(const std::string& gameDirectory);

} // namespace tarvex
