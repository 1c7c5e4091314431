// A full paint of the 3D view with its legend at the design sizes (461 x 420 and 127 x 284):
// through our canvas, and as the same calls taken down once and replayed straight on a
// QPainter, the limit any canvas could reach. The start-up map with throttle rows, seen from
// the start-up angles, filled and coloured by height, with six cells selected and the engine
// running.
#include <benchmark/benchmark.h>

#include <QImage>

#include "call_replay.h"
#include "mapedit/graph3d_draw.h"
#include "mapedit/startup_image.h"
#include "qt/qt_canvas.h"

namespace zarvell::qt {
namespace {

constexpr ui::Size kView{461, 420}, kLegend{127, 284};

struct Scene {
  Scene() {
    image[field::TPS_MAPA] = 1;
    for (const int cell : {41, 42, 43, 51, 52, 53}) selection.cellFlags[cell] = CELL_SELECTED;
    live.rpm = 4300;
    live.tpsPercent = 35;
    live.rpmIndex = 3;
    live.tpsIndex = 5;
  }
  View3DScene Of() const { return {image, selection, live, kIsoView, true, true, 0}; }

  ParameterImage image = StartupImage();
  TSelcell selection;
  link::LiveState live;
  TGraphAdv graph;
};

void BM_View3DOnQtCanvas(benchmark::State& state) {
  Scene s;
  QtCanvas view(QSize(kView.width, kView.height));
  QtCanvas legend(QSize(kLegend.width, kLegend.height));
  for (auto _ : state) {
    Paint3D(s.graph, s.Of(), true, view, legend);
    benchmark::DoNotOptimize(view.Image().constBits());
    benchmark::DoNotOptimize(legend.Image().constBits());
  }
}
BENCHMARK(BM_View3DOnQtCanvas)->Unit(benchmark::kMicrosecond);

void BM_View3DReplayedOnBareQPainter(benchmark::State& state) {
  Scene s;
  CallList view(kView), legend(kLegend);
  Paint3D(s.graph, s.Of(), true, view, legend);
  QImage viewImage(kView.width, kView.height, QImage::Format_ARGB32_Premultiplied);
  QImage legendImage(kLegend.width, kLegend.height, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    view.Replay(viewImage);
    legend.Replay(legendImage);
    benchmark::DoNotOptimize(viewImage.constBits());
    benchmark::DoNotOptimize(legendImage.constBits());
  }
  state.counters["calls"] = static_cast<double>(view.calls.size() + legend.calls.size());
}
BENCHMARK(BM_View3DReplayedOnBareQPainter)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvell::qt
