// Reading and writing full-size bots.cfg and tarvex.cfg.

#include "options/controls_stand_in.h"
#include "options/options_file.h"
#include "roster/bot_roster.h"
#include "roster/roster_samples.h"

#include <benchmark/benchmark.h>

#include <map>

using namespace tarvex;
using tarvex::testing::ControlsStandIn;
using tarvex::testing::FullRoster;

namespace {

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
    ControlsStandIn controls;
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
    ControlsStandIn source;
    const std::string text = WriteOptionsText(source);
    for (auto _ : state) {
        ControlsStandIn controls;
        ReadOptionsText(text, controls);
        benchmark::DoNotOptimize(controls);
    }
}
BENCHMARK(BM_ReadOptions);

} // namespace
