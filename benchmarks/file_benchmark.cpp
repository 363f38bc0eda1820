// Reading and writing full-size bots.cfg and tarvex.cfg.

#include "options/options_file.h"
#include "roster/bot_roster.h"

#include <benchmark/benchmark.h>

#include <map>

using namespace tarvex;

namespace {

RosterTable FullRoster() {
    RosterTable table;
    for (int i = 0; i < kRosterCapacity; ++i)
        table.entries[static_cast<std::size_t>(++table.lastIndex)] = {
            std::string(32, 'n'), std::string(32, 'm'), std::string(32, 't'), std::string(32, 'b')};
    return table;
}

// The options window reduced to its values.
class Controls final : public OptionsHost {
  public:
    std::string Text(OptionText c) override { return texts[c]; }
    void SetText(OptionText c, const std::string& t) override { texts[c] = t; }
    bool Checked(OptionCheck c) override { return checks[c]; }
    void SetChecked(OptionCheck c, bool v) override { checks[c] = v; }
    int AccuracyPosition() override { return accuracy; }
    void SetAccuracyPosition(int p) override { accuracy = p < 0 ? 0 : p > 160 ? 160 : p; }
    int BotsToSpawn() override { return bots; }
    void SetBotsToSpawn(int v) override { bots = v; }
    void SetChatControlsEnabled(bool) override {}
    void ShowMessage(const std::string&) override {}

    std::map<OptionText, std::string> texts{{OptionText::CFGNavType, "Full"}};
    std::map<OptionCheck, bool> checks;
    int accuracy = 10;
    int bots = 0;
};

void BM_WriteRoster(benchmark::State& state) {
    const RosterTable table = FullRoster();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteRosterText(table));
}
BENCHMARK(BM_WriteRoster);

void BM_ReadRoster(benchmark::State& state) {
    const std::string text = WriteRosterText(FullRoster());
    RosterTable table;
    for (auto _ : state) {
        ReadRosterText(text, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_ReadRoster);

void BM_WriteOptions(benchmark::State& state) {
    Controls controls;
    for (const auto text :
         {OptionText::CFGThinkSpeed, OptionText::CFGBotFov, OptionText::CFGBotSpeed,
          OptionText::CFGChatfile, OptionText::CFGfreqdied, OptionText::CFGfreqkills,
          OptionText::CFGMsec, OptionText::CFGMsecMin, OptionText::CFGMsecMax})
        controls.texts[text] = std::string(32, 'v');
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteOptionsText(controls));
}
BENCHMARK(BM_WriteOptions);

void BM_ReadOptions(benchmark::State& state) {
    Controls source;
    const std::string text = WriteOptionsText(source);
    for (auto _ : state) {
        Controls controls;
        ReadOptionsText(text, controls);
        benchmark::DoNotOptimize(controls);
    }
}
BENCHMARK(BM_ReadOptions);

} // namespace
