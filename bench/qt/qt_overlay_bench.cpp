// The selection overlay of the map grid painted onto ImageSelect's surface while a drag covers
// nine cells: through our canvas, and as the same shapes drawn with QPainter calls written out
// by hand, the limit any canvas could reach.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "mapedit/grid_overlay.h"
#include "qt/qt_canvas.h"
#include "qt/widgets.h"

namespace zarvell::qt {
namespace {

constexpr int kWidth = 603, kHeight = 352;

TSelcell NineCellsInADrag() {
  TSelcell s;
  LayoutGridCells(s, true, 0, {kWidth, kHeight});
  s.BeginSelection(66, 78, false, false);
  s.UpdateSelection(240, 172);
  return s;
}

void BM_SelectionOverlayOnQtCanvas(benchmark::State& state) {
  const TSelcell s = NineCellsInADrag();
  QtCanvas canvas(QSize(kWidth, kHeight));
  for (auto _ : state) {
    DrawSelectionOverlay(s, canvas);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_SelectionOverlayOnQtCanvas)->Unit(benchmark::kMicrosecond);

void BM_SelectionOverlayOnBareQPainter(benchmark::State& state) {
  const TSelcell s = NineCellsInADrag();
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  const QColor face = QApplication::palette().color(QPalette::Button);
  const QPen red(QColor(255, 0, 0), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  for (auto _ : state) {
    QPainter p(&image);
    p.setPen(QPen(face, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(face);
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
    p.setPen(red);
    p.setBrush(Qt::NoBrush);
    p.drawRect(66, 78, 240 - 66 - 1, 172 - 78 - 1);
    for (const TSelcell::CellFrame& f : s.cellRect) {
      if (f.left < 0 || (s.cellFlags[&f - s.cellRect.data()] & CELL_IN_DRAG) == 0) continue;
      p.setPen(red);
      p.drawRect(f.left, f.top, f.right - f.left - 1, f.bottom - f.top - 1);
      p.drawRect(f.left - 1, f.top - 1, f.right - f.left + 1, f.bottom - f.top + 1);
    }
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_SelectionOverlayOnBareQPainter)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvell::qt
