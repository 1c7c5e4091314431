// The main window's work that a user waits for (a language switch) or that runs every 55 ms
// (the tick), measured on the headless window.
#include <benchmark/benchmark.h>

#include "app/form_hlav.h"
#include "bench_window.h"
#include "design/main_design.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using namespace design;

void BM_NewMainControls(benchmark::State& state) {
  for (auto _ : state) {
    ui::ControlModel model = NewMainControls();
    benchmark::DoNotOptimize(model);
  }
}
BENCHMARK(BM_NewMainControls);

// Menu click to the last caption written: ApplyCaptions and the list refresh.
void BM_LanguageSwitch(benchmark::State& state) {
  BenchWindow w;
  bool czech = false;
  for (auto _ : state) {
    czech = !czech;
    ui::DeliverClick(w.form.controls(), w.form, czech ? MenuCzech : MenuGerman);
  }
}
BENCHMARK(BM_LanguageSwitch);

void BM_IdleTick(benchmark::State& state) {
  BenchWindow w;
  for (auto _ : state) w.form.Timer1Timer();
}
BENCHMARK(BM_IdleTick);

// What a renderer does after every event: collect the change marks of every control.
void BM_CollectChanges(benchmark::State& state) {
  BenchWindow w;
  ui::ControlModel& c = w.form.controls();
  for (auto _ : state) {
    std::uint32_t any = 0;
    for (std::size_t i = 0; i < c.size(); ++i)
      any |= c.TakeChanges(static_cast<ui::ControlIndex>(i));
    benchmark::DoNotOptimize(any);
  }
}
BENCHMARK(BM_CollectChanges);

}  // namespace
}  // namespace zarvell
