#pragma once
// The options window reduced to its values, for work on the options file
// without widgets.

#include "options/options_file.h"

#include <map>
#include <string>
#include <vector>

namespace tarvex::testing {

struct ControlsStandIn final : OptionsHost {
    std::map<OptionText, std::string> texts{{OptionText::CFGNavType, "Full"}};
    std::map<OptionCheck, bool> checks;
    int accuracy = 10;
    int bots = 0;
    std::vector<std::string> messages;

    std::string Text(OptionText c) override { return texts[c]; }
    void SetText(OptionText c, const std::string& t) override { texts[c] = t; }
    bool Checked(OptionCheck c) override { return checks[c]; }
    void SetChecked(OptionCheck c, bool v) override { checks[c] = v; }
    int AccuracyPosition() override { return accuracy; }
    // As the track bar does.
    void SetAccuracyPosition(int p) override { accuracy = p < 0 ? 0 : p > 160 ? 160 : p; }
    int BotsToSpawn() override { return bots; }
    void SetBotsToSpawn(int v) override { bots = v; }
    void SetChatControlsEnabled(bool) override {}
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    bool operator==(const ControlsStandIn& o) const {
        return texts == o.texts && checks == o.checks && accuracy == o.accuracy && bots == o.bots;
    }
};

} // namespace tarvex::testing
