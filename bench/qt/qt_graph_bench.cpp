// A full paint of the 2D map graph onto GrafAdv's 621 x 417 surface: through our canvas, and as
// the same calls taken down once and replayed straight on a QPainter, the limit any canvas
// could reach. The graph shows the start-up map with throttle rows, a selection of six cells
// and the engine running.
#include <benchmark/benchmark.h>

#include <QImage>

#include "call_replay.h"
#include "mapedit/graph2d_draw.h"
#include "mapedit/startup_image.h"
#include "qt/qt_canvas.h"

namespace zarvell::qt {
namespace {

constexpr int kWidth = 621, kHeight = 417;

struct Scene {
  Scene() {
    image[field::TPS_MAPA] = 1;
    selection.state = 2;
    for (const int cell : {41, 42, 43, 51, 52, 53}) selection.cellFlags[cell] = CELL_SELECTED;
    live.rpm = 4300;
    live.tpsPercent = 35;
    live.rpmIndex = 3;
    live.tpsIndex = 5;
  }
  GraphScene Of() const { return {image, selection, live, 0}; }

  ParameterImage image = StartupImage();
  TSelcell selection;
  link::LiveState live;
  TGraphAdv graph;
};

void BM_MapGraphOnQtCanvas(benchmark::State& state) {
  Scene s;
  QtCanvas canvas(QSize(kWidth, kHeight));
  for (auto _ : state) {
    DrawMapGraph(s.graph, s.Of(), true, canvas);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_MapGraphOnQtCanvas)->Unit(benchmark::kMicrosecond);

void BM_MapGraphReplayedOnBareQPainter(benchmark::State& state) {
  Scene s;
  CallList list({kWidth, kHeight});
  DrawMapGraph(s.graph, s.Of(), true, list);
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    list.Replay(image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["calls"] = static_cast<double>(list.calls.size());
}
BENCHMARK(BM_MapGraphReplayedOnBareQPainter)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvell::qt
