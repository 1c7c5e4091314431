// The 2D graph in the window's tick: a tick with the graph shown and nothing changed, which
// must not paint, and a tick that paints it after the live speed moved.
#include <benchmark/benchmark.h>

#include "bench_window.h"

namespace zarvell {
namespace {

using namespace design;

// The map page in "2D" with throttle rows, settled: the first ticks have drawn it.
struct GraphWindow : BenchWindow {
  GraphWindow() {
    Page(2);
    Click(CheckBoxTpsMapa);
    Click(AMapModeGraph);
    for (int i = 0; i < 3; ++i) form.Timer1Timer();
  }
  int Paints() { return host.FindCanvas(form.controls(), GrafAdv)->paints(); }
};

void BM_IdleTickGraphShown(benchmark::State& state) {
  GraphWindow w;
  const int before = w.Paints();
  for (auto _ : state) w.form.Timer1Timer();
  state.counters["paints"] = w.Paints() - before;
}
BENCHMARK(BM_IdleTickGraphShown);

// Each tick repaints the graph on the recording canvas, as a relayout request makes it do.
void BM_TickRepaintingGraph(benchmark::State& state) {
  GraphWindow w;
  for (auto _ : state) {
    w.form.AMapModeGraphClick();
    w.form.Timer1Timer();
  }
}
BENCHMARK(BM_TickRepaintingGraph)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvell
