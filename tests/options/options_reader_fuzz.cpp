// Reads arbitrary bytes as tarvex.cfg into a stand-in for the options window.
// Whatever the input, reading must not fail, and settings the file format can
// hold come back unchanged from being written and read again.

#include "options/controls_stand_in.h"
#include "options/options_file.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

using namespace tarvex;
using Controls = tarvex::testing::ControlsStandIn;

namespace {

// A value with a space comes back cut at it by design; the navigation text
// must name one of the three types to be written at all.
bool WritableAsIs(Controls& c) {
    for (const auto& [control, text] : c.texts)
        if (text.find_first_of(" \n") != std::string::npos || text.size() > kOptionFieldLength)
            return false;
    return SpeedupFromNavType(c.Text(OptionText::CFGNavType)) >= 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    coopSciKill = "1";
    coopKillMeth = "0";
    Controls first;
    ReadOptionsText(std::string_view(reinterpret_cast<const char*>(data), size), first);
    if (first.accuracy < 0 || first.accuracy > 160 || coopSciKill.size() > kCoopValueLength ||
        coopKillMeth.size() > kCoopValueLength)
        std::abort();
    if (!WritableAsIs(first))
        return 0;
    const std::string sci = coopSciKill, meth = coopKillMeth;
    const std::string written = WriteOptionsText(first);
    coopSciKill = "1";
    coopKillMeth = "0";
    Controls second;
    ReadOptionsText(written, second);
    if (!(second == first) || coopSciKill != sci || coopKillMeth != meth)
        std::abort();
    return 0;
}
