// The 3D view's layout alone: the rotation, the projection, the axes and the palette, done on
// every change of a view angle and on every drag step that turns the view.
#include <benchmark/benchmark.h>

#include "mapedit/graph3d_layout.h"
#include "mapedit/startup_image.h"

namespace zarvell {
namespace {

void BM_Layout3D(benchmark::State& state) {
  const ParameterImage image = StartupImage();
  TGraphAdv graph;
  TrackPositions angles = kIsoView;
  for (auto _ : state) {
    angles.x = angles.x == 4 ? 5 : 4;  // a drag step's worth of change each time
    Layout3D(graph, image, angles, 0, {461, 420});
    benchmark::DoNotOptimize(graph.projection);
  }
}
BENCHMARK(BM_Layout3D);

}  // namespace
}  // namespace zarvell
