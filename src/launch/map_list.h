#pragma once
// The maps the game offers, for completing a typed map name.

#include <string>
#include <vector>

namespace tarvex {

// The names, without ".bsp", of the map files in the bot's and the base
// game's maps folders under `gameDirectory`, sorted, each once. Missing or
// unreadable folders give nothing.
std::vector<std::string> ListMapNames(const std::string& gameDirectory);

} // namespace tarvex
