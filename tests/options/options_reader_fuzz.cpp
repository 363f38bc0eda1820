// Reads arbitrary bytes as tarvex.cfg into a stand-in for the options window.
// Whatever the input, reading must not fail, and settings the file format can
// hold come back unchanged from being written and read again.

#include "options/options_file.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

using namespace tarvex;

namespace {

struct Controls final : OptionsHost {
    std::map<int, std::string> texts{{int(OptionText::CFGNavType), "Full"}};
    std::map<int, bool> checks;
    int accuracy = 10;
    int bots = 0;

    std::string Text(OptionText c) override { return texts[int(c)]; }
    void SetText(OptionText c, const std::string& t) override { texts[int(c)] = t; }
    bool Checked(OptionCheck c) override { return checks[int(c)]; }
    void SetChecked(OptionCheck c, bool v) override { checks[int(c)] = v; }
    int AccuracyPosition() override { return accuracy; }
    void SetAccuracyPosition(int p) override { accuracy = p < 0 ? 0 : p > 160 ? 160 : p; }
    int BotsToSpawn() override { return bots; }
    void SetBotsToSpawn(int v) override { bots = v; }
    void SetChatControlsEnabled(bool) override {}
    void ShowMessage(const std::string&) override {}

    bool operator==(const Controls& o) const {
        return texts == o.texts && checks == o.checks && accuracy == o.accuracy && bots == o.bots;
    }
};

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
