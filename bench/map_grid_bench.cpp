// The map grid's selection and interpolation: the release of a drag (toggle, rectangle test)
// and the fill of the whole map from its corners.
#include <benchmark/benchmark.h>

#include "mapedit/cell_selection.h"
#include "mapedit/grid_overlay.h"
#include "mapedit/map_grid.h"
#include "mapedit/startup_image.h"

namespace zarvell {
namespace {

// A release over the rectangle rows 2..8, columns 1..8: the 200-byte flag array is put back
// before each release, which the time includes.
void BM_FinishSelection(benchmark::State& state) {
  TSelcell s;
  LayoutGridCells(s, true, 0, {603, 352});
  s.BeginSelection(80, 90, false, false);
  s.UpdateSelection(500, 290);
  const auto dragged = s.cellFlags;
  for (auto _ : state) {
    s.cellFlags = dragged;
    s.state = 1;
    s.FinishSelection();
    benchmark::DoNotOptimize(s.rectRight);
  }
}
BENCHMARK(BM_FinishSelection);

// The whole map interpolated from its four corners, on a copy of the start-up set each time.
void BM_InterpolateSelection(benchmark::State& state) {
  TSelcell s;
  s.cellFlags.fill(CELL_SELECTED);
  s.state = 2;
  s.rectLeft = 0, s.rectRight = 9, s.rectTop = 0, s.rectBottom = 9;
  const ParameterImage start = StartupImage();
  ParameterImage image;
  for (auto _ : state) {
    image = start;
    benchmark::DoNotOptimize(InterpolateSelection(s, image));
    benchmark::DoNotOptimize(image.block.data());
  }
}
BENCHMARK(BM_InterpolateSelection);

}  // namespace
}  // namespace zarvell
