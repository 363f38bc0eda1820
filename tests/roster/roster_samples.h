#pragma once

#include "roster/bot_roster.h"

namespace tarvex::testing {

// The largest roster there is: 31 bots of 32-character fields.
inline RosterTable FullRoster() {
    RosterTable table;
    for (int i = 0; i < kRosterCapacity; ++i)
        table.entries[static_cast<std::size_t>(++table.lastIndex)] = {
            std::string(32, 'n'), std::string(32, 'm'), std::string(32, 't'), std::string(32, 'b')};
    return table;
}

} // namespace tarvex::testing
