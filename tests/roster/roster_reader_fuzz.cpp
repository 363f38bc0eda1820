// Reads arbitrary bytes as bots.cfg. Whatever the input, reading must not
// fail, and a roster the file format can hold comes back unchanged from
// being written and read again.

#include "roster/bot_roster.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tarvex;

namespace {

// Fields with spaces (or a name with a quote, or an unquoted field that starts
// with one) are written unescaped and read back differently by design; an
// empty field in the middle lets the next one slide into its place.
bool WritableAsIs(const RosterTable& table) {
    for (int i = 0; i <= table.lastIndex; ++i) {
        const BotEntry& e = table.entries[static_cast<std::size_t>(i)];
        if (e.name.find_first_of("\"\n") != std::string::npos)
            return false;
        const std::string* rest[] = {&e.model, &e.topColour, &e.bottomColour};
        bool emptySeen = false;
        for (const std::string* f : rest) {
            if (f->find_first_of(" \n") != std::string::npos || (!f->empty() && (*f)[0] == '"'))
                return false;
            if (!f->empty() && emptySeen)
                return false;
            emptySeen = emptySeen || f->empty();
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    RosterTable first;
    ReadRosterText(input, first);
    for (int i = 0; i <= first.lastIndex; ++i) {
        const BotEntry& e = first.entries[static_cast<std::size_t>(i)];
        if (e.name.size() > kFieldLength || e.model.size() > kFieldLength ||
            e.topColour.size() > kFieldLength || e.bottomColour.size() > kFieldLength)
            std::abort();
    }
    if (!WritableAsIs(first))
        return 0;
    RosterTable second;
    if (ReadRosterText(WriteRosterText(first), second) || second.lastIndex != first.lastIndex ||
        second.entries != first.entries)
        std::abort();
    return 0;
}
