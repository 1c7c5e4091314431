// The edit path on the headless main window: the refresh of every control from the image, the
// commit of every control into it, and a whole edit as a user makes one (leave an edit box:
// commit, validation, refresh, view rules, undo snapshot).
#include <benchmark/benchmark.h>

#include "app/form_hlav.h"
#include "bench_window.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using namespace design;

// Two images that differ in every number, so each pass rewrites every control.
void BM_ShowImage(benchmark::State& state) {
  BenchWindow w;
  ParameterImage images[2] = {w.form.image(), w.form.image()};
  for (std::size_t byte = field::ADVANCE; byte < ParameterImage::kSize; ++byte) ++images[1][byte];
  images[1][field::LIMITER] = 90;
  int which = 0;
  for (auto _ : state) {
    which ^= 1;
    benchmark::DoNotOptimize(ShowImageControls(images[which], w.form.controls()));
  }
}
BENCHMARK(BM_ShowImage);

void BM_CommitControls(benchmark::State& state) {
  BenchWindow w;
  ParameterImage image = w.form.image();
  for (auto _ : state) {
    CommitImage(w.form.controls(), image, false);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_CommitControls);

// A map cell typed and left, alternating between two values so that every edit is a change.
void BM_EditMapCell(benchmark::State& state) {
  BenchWindow w;
  ui::ControlModel& c = w.form.controls();
  bool high = false;
  for (auto _ : state) {
    high = !high;
    c.SetText(Edit145, high ? "40" : "30");
    ui::DeliverEditExit(c, w.form, Edit145);
  }
}
BENCHMARK(BM_EditMapCell);

}  // namespace
}  // namespace zarvell
