// A full paint of the 2D map graph onto GrafAdv's 621 x 417 surface: through our canvas, and as
// the same calls taken down once and replayed straight on a QPainter, the limit any canvas
// could reach. The graph shows the start-up map with throttle rows, a selection of six cells
// and the engine running.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "mapedit/graph2d_draw.h"
#include "mapedit/startup_image.h"
#include "qt/qt_canvas.h"
#include "qt/widgets.h"

namespace zarvell::qt {
namespace {

constexpr int kWidth = 621, kHeight = 417;

// The drawing calls of one paint, kept as data.
class CallList final : public ui::Canvas {
 public:
  enum class Op { Pen, Brush, Move, Line, Rect, Fill, Round, Ellipse, Text };
  struct Call {
    Op op;
    int a = 0, b = 0, c = 0, d = 0, e = 0;
    ui::Pen pen;
    ui::Brush brush;
    std::string text;
  };

  ui::Size SurfaceSize() const override { return {kWidth, kHeight}; }
  void SetPen(const ui::Pen& pen) override { calls.push_back({Op::Pen, 0, 0, 0, 0, 0, pen}); }
  void SetBrush(const ui::Brush& brush) override {
    calls.push_back({Op::Brush, 0, 0, 0, 0, 0, {}, brush});
  }
  void SetFont(const ui::Font&) override {}
  void MoveTo(int x, int y) override { calls.push_back({Op::Move, x, y}); }
  void LineTo(int x, int y) override { calls.push_back({Op::Line, x, y}); }
  void Rectangle(int l, int t, int r, int b) override { calls.push_back({Op::Rect, l, t, r, b}); }
  void FillRect(int l, int t, int r, int b) override { calls.push_back({Op::Fill, l, t, r, b}); }
  void RoundRect(int l, int t, int r, int b, int w, int) override {
    calls.push_back({Op::Round, l, t, r, b, w});
  }
  void Ellipse(int l, int t, int r, int b) override { calls.push_back({Op::Ellipse, l, t, r, b}); }
  void Polygon(std::span<const ui::Point>) override {}
  void TextOut(int x, int y, std::string_view text) override {
    calls.push_back({Op::Text, x, y, 0, 0, 0, {}, {}, std::string(text)});
  }
  ui::Size TextExtent(std::string_view text) override {
    const QFontMetrics metrics(QApplication::font());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
  }
  void Flush() override {}

  std::vector<Call> calls;
};

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
  CallList list;
  DrawMapGraph(s.graph, s.Of(), true, list);
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  const QFont font = QApplication::font();
  const QFontMetrics metrics(font);
  using Op = CallList::Op;
  for (auto _ : state) {
    QPainter p(&image);
    p.setFont(font);
    QPoint at;
    QBrush brush;
    for (const CallList::Call& c : list.calls) {
      switch (c.op) {
        case Op::Pen:
          p.setPen(
              QPen(ToQColor(c.pen.colour), c.pen.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
          break;
        case Op::Brush:
          brush = c.brush.style == ui::Brush::Style::Clear ? QBrush(Qt::NoBrush)
                                                           : QBrush(ToQColor(c.brush.colour));
          p.setBrush(brush);
          break;
        case Op::Move:
          at = {c.a, c.b};
          break;
        case Op::Line:
          p.drawLine(at, {c.a, c.b});
          at = {c.a, c.b};
          break;
        case Op::Rect:
          p.drawRect(c.a, c.b, c.c - c.a - 1, c.d - c.b - 1);
          break;
        case Op::Fill:
          p.fillRect(c.a, c.b, c.c - c.a, c.d - c.b, brush);
          break;
        case Op::Round:
          p.drawRoundedRect(c.a, c.b, c.c - c.a - 1, c.d - c.b - 1, c.e / 2.0, c.e / 2.0);
          break;
        case Op::Ellipse:
          p.drawEllipse(c.a, c.b, c.c - c.a - 1, c.d - c.b - 1);
          break;
        case Op::Text: {
          const QString text = QString::fromUtf8(c.text);
          if (brush.style() != Qt::NoBrush) {
            p.fillRect(c.a, c.b, metrics.horizontalAdvance(text), metrics.height(), brush);
          }
          p.drawText(c.a, c.b + metrics.ascent(), text);
          break;
        }
      }
    }
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["calls"] = static_cast<double>(list.calls.size());
}
BENCHMARK(BM_MapGraphReplayedOnBareQPainter)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvell::qt
