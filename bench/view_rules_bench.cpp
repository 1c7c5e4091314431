// The view rules run after every edit, check box and map mode click: one pass over the main
// window's controls, in the table view and in the 2D view.
#include <benchmark/benchmark.h>

#include "design/main_design.h"
#include "params/bindings.h"
#include "params/presets.h"
#include "params/view_rules.h"

namespace zarvell {
namespace {

void RunViewRules(benchmark::State& state, int mapViewMode) {
  ui::ControlModel controls = NewMainControls();
  const ParameterImage image = DefaultImage(SpecialBike);
  const ViewInputs in = {.image = &image,
                         .mapViewMode = mapViewMode,
                         .unit = {"IGN-75 unit firmware", "12.03.2009", "14:05"}};
  for (auto _ : state) benchmark::DoNotOptimize(ApplyViewRules(in, controls));
}

void BM_ViewRulesTable(benchmark::State& state) {
  RunViewRules(state, 0);
}
BENCHMARK(BM_ViewRulesTable);

void BM_ViewRules2D(benchmark::State& state) {
  RunViewRules(state, 1);
}
BENCHMARK(BM_ViewRules2D);

// A mode switch every run: the case where controls really change and get marked.
void BM_ViewRulesSwitchingMode(benchmark::State& state) {
  ui::ControlModel controls = NewMainControls();
  ParameterImage image;
  ViewInputs in = {.image = &image};
  for (auto _ : state) {
    in.mapViewMode = 1 - in.mapViewMode;
    benchmark::DoNotOptimize(ApplyViewRules(in, controls));
  }
}
BENCHMARK(BM_ViewRulesSwitchingMode);

}  // namespace
}  // namespace zarvell
