#include "mapedit/graph3d_draw.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "mapedit/selection_colours.h"

namespace zarvell {
namespace {

constexpr ui::Colour kWindow = ui::Colour::ButtonFace();
constexpr ui::Colour kSilver = ui::Colour::Rgb(192, 192, 192);
constexpr ui::Colour kGrey = ui::Colour::Rgb(128, 128, 128);
constexpr ui::Colour kPlainFacet = ui::Colour::Rgb(136, 136, 255);
constexpr int kNoLiveCell = -100;

ui::Pen PenOf(ui::Colour colour) {
  return {colour, 1, ui::Pen::Style::Solid};
}
ui::Brush Fill(ui::Colour colour) {
  return {colour, ui::Brush::Style::Solid};
}

std::string Whole(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%i", value);
  return text;
}

void Line(ui::Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

ui::Point Pixel(const Projected& p) {
  return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

// A corner of a strip before projection, with the selection flags of its cell (0 off the map).
struct Corner {
  float rpm = 0;
  int degrees = 0;
  std::uint16_t flags = 0;
};

class Painter {
 public:
  Painter(const TGraphAdv& g, const View3DScene& s, ui::Canvas& canvas)
      : g_(g), s_(s), c_(canvas), throttleRows_(s.image[field::TPS_MAPA] != 0) {
    if (s.live.rpm != 0) {
      liveCol_ = s.live.rpmIndex;
      liveRow_ = s.live.tpsIndex;
      liveAdv_ = Advance(liveRow_, liveCol_);
    }
  }

  int liveAdvance() const { return liveAdv_; }

  void Paint() {
    c_.SetFont({});
    c_.SetPen(PenOf(kWindow));
    c_.SetBrush(Fill(kWindow));
    c_.Rectangle(g_.surfaceLeft, g_.surfaceTop, g_.surfaceWidth, g_.surfaceHeight);
    AxisPen();
    RpmAxis();
    AdvanceAxis();
    TpsAxis();

    const Projected origin = Project(g_, 0, 0, 0);
    const int dirRpm =
        Project(g_, static_cast<float>(g_.rpmRange), 0, 0).depth - origin.depth >= 0 ? 1 : -1;
    const int dirTps = Project(g_, 0, 0, 9).depth - origin.depth >= 0 ? 1 : -1;
    for (int i = 0; i < 9; ++i) {
      const int o = dirTps > 0 ? 1 + i : 9 - i;
      for (int j = 0; j < 12; ++j) Strip(o, dirRpm > 0 ? j - 1 : 10 - j, dirRpm, dirTps);
    }

    // The axes on the near side go over the surface.
    AxisPen();
    if (dirTps < 0) {
      RpmAxis();
      AdvanceAxis();
    }
    if (dirRpm < 0) TpsAxis();
  }

 private:
  int Advance(int row, int column) const {
    return s_
        .image[field::AdvanceCell(static_cast<std::size_t>(row), static_cast<std::size_t>(column))];
  }
  int BaseAdvance() const { return s_.image[field::BASE_ADV]; }
  float Rpm(int column) const {
    return static_cast<float>(s_.image.Shown(field::RPM_ADV + static_cast<std::size_t>(column)));
  }

  // The corner at map column `column` (0..9) of throttle row `row`; without throttle rows
  // every row shows the 100 % row.
  Corner MapCorner(int row, int column) const {
    if (!throttleRows_) row = 9;
    return {Rpm(column), Advance(row, column),
            s_.selection.cellFlags[static_cast<std::size_t>(row * 10 + column)]};
  }

  void AxisPen() {
    c_.SetPen(PenOf(ui::kBlack));
    c_.SetBrush(Fill(kWindow));
  }

  void Axis(float rpm, float degrees, float row, const char* label) {
    const ui::Point from = Pixel(Project(g_, 0, 0, 0));
    const ui::Point to = Pixel(Project(g_, rpm, degrees, row));
    Line(c_, from.x, from.y, to.x, to.y);
    c_.RoundRect(to.x - 16, to.y - 8, to.x + 16, to.y + 8, 2, 2);
    c_.TextOut(to.x - c_.TextExtent(label).width / 2, to.y - 7, label);
  }
  void RpmAxis() { Axis(static_cast<float>(g_.rpmRange), 0, 0, "RPM"); }
  void AdvanceAxis() { Axis(0, static_cast<float>(g_.degreeRange), 0, "ADV"); }
  void TpsAxis() { Axis(0, 0, 9, "TP"); }

  // Strip `d` of row `o`: between throttle rows o - 1 and o and between columns d - 1 and d,
  // where strip -1 runs level at the base advance from 0 rpm to the first breakpoint, strip 0
  // is the wall up to the map there, and strip 10 runs level to the end of the axis.
  void Strip(int o, int d, int dirRpm, int dirTps) {
    const int left = d - 1, right = d;
    const Corner base{d < 0 ? 0.0f : Rpm(0), BaseAdvance(), 0};
    Corner ll = base, lu = base, rl = base, ru = base;
    if (left >= 0) {
      ll = MapCorner(o - 1, left);
      lu = MapCorner(o, left);
    }
    if (right >= 0 && right <= 9) {
      rl = MapCorner(o - 1, right);
      ru = MapCorner(o, right);
    } else if (right == 10) {
      rl = {static_cast<float>(g_.rpmRange), MapCorner(o - 1, 9).degrees, 0};
      ru = {static_cast<float>(g_.rpmRange), MapCorner(o, 9).degrees, 0};
    } else {
      rl.rpm = ru.rpm = Rpm(0);
    }
    const float lower = static_cast<float>(o - 1), upper = static_cast<float>(o);
    const float centreRow = static_cast<float>(o) - 0.5f;
    const float centreRpm = (ll.rpm + lu.rpm + rl.rpm + ru.rpm) / 4.0f;
    const float centreDegrees =
        static_cast<float>(ll.degrees + lu.degrees + rl.degrees + ru.degrees) / 4.0f;

    const Projected pll = Project(g_, ll.rpm, static_cast<float>(ll.degrees), lower);
    const Projected plu = Project(g_, lu.rpm, static_cast<float>(lu.degrees), upper);
    const Projected prl = Project(g_, rl.rpm, static_cast<float>(rl.degrees), lower);
    const Projected pru = Project(g_, ru.rpm, static_cast<float>(ru.degrees), upper);
    const Projected pc = Project(g_, centreRpm, centreDegrees, centreRow);

    struct Facet {
      const Projected& from;
      const Projected& to;
      const Corner& a;
      const Corner& b;
    };
    // Each facet is the triangle between one side of the strip and its centre; its edge on
    // the grid is drawn from `from` to `to`, and its colour is the mean height of its corners.
    const Facet facets[4] = {
        {prl, pll, rl, ll}, {pll, plu, ll, lu}, {pru, prl, ru, rl}, {plu, pru, lu, ru}};
    static constexpr int kOrder[2][2][4] = {{{3, 2, 1, 0}, {0, 2, 1, 3}},
                                            {{3, 1, 2, 0}, {0, 1, 2, 3}}};
    const ui::Colour normalEdge = s_.fill ? ui::kWhite : ui::kBlack;
    for (const int f : kOrder[dirRpm > 0][dirTps > 0]) {
      const Facet& facet = facets[f];
      ui::Colour front = kPlainFacet;
      if (s_.heightColours) {
        const float sum = static_cast<float>(facet.a.degrees + facet.b.degrees) + centreDegrees;
        front = HeightColour(g_, static_cast<int>(std::floor(sum / 3.0f + 0.5f)));
      }
      ui::Colour edge = normalEdge;
      if (facet.a.flags != 0 && facet.b.flags != 0) {
        edge = ((facet.a.flags | facet.b.flags) & CELL_CORNER) != 0 ? kDarkGreen : kBlue;
      }
      DrawFacet(c_, facet.from.x, facet.from.y, facet.to.x, facet.to.y, pc.x, pc.y, front, kSilver,
                edge, s_.fill);
    }

    // The marker goes on again after every strip that touches it, so that it stays on top.
    const Projected* live = nullptr;
    if (left == liveCol_ && o - 1 == liveRow_) live = &pll;
    if (left == liveCol_ && o == liveRow_) live = &plu;
    if (right == liveCol_ && o - 1 == liveRow_) live = &prl;
    if (right == liveCol_ && o == liveRow_) live = &pru;
    if (live != nullptr) LiveMarker(Pixel(*live));
  }

  void LiveMarker(ui::Point p) {
    if (p.x < 0 || p.y < 0) return;
    c_.SetBrush({ui::kWhite, ui::Brush::Style::Clear});
    c_.SetPen(PenOf(ui::kWhite));
    c_.Ellipse(p.x - 6, p.y - 6, p.x + 6, p.y + 6);
    c_.SetBrush(Fill(ui::kLime));
    c_.SetPen(PenOf(ui::kBlack));
    c_.Ellipse(p.x - 5, p.y - 5, p.x + 5, p.y + 5);
  }

  const TGraphAdv& g_;
  const View3DScene& s_;
  ui::Canvas& c_;
  bool throttleRows_;
  int liveCol_ = kNoLiveCell, liveRow_ = kNoLiveCell, liveAdv_ = kNoLiveCell;
};

// The height colours from 0 at the bottom to 60 at the top, a scale every 5 degrees, and a
// pointer at the live cell's advance.
void DrawLegend(const TGraphAdv& g, int liveAdvance, ui::Canvas& c) {
  const ui::Size size = c.SurfaceSize();
  const int w = size.width, h = size.height, span = h - 20;
  c.SetFont({});
  c.SetPen(PenOf(kWindow));
  c.SetBrush(Fill(kWindow));
  c.Rectangle(0, 0, w, h);
  for (int y = 0; y < span; ++y) {
    const float share = static_cast<float>(y) / static_cast<float>(span);
    c.SetPen(PenOf(HeightColour(g, static_cast<int>(share * 60))));
    Line(c, 30, h - y, w - 40, h - y);
  }
  auto levelY = [&](int degrees) { return std::min(h - degrees * span / 60, h - 1); };
  c.SetBrush(Fill(kWindow));
  c.SetPen(PenOf(kGrey));
  for (int d = 0; d <= 60; d += 5) {
    const int y = levelY(d);
    Line(c, 20, y, w - 40, y);
    const std::string text = Whole(d);
    c.TextOut(20 - c.TextExtent(text).width, y - 11, text);
  }
  if (liveAdvance < 0) return;
  const int y = levelY(liveAdvance);
  c.SetBrush(Fill(ui::kWhite));
  c.SetPen(PenOf(ui::kWhite));
  c.Rectangle(w - 60, y - 8, w, y + 9);
  c.SetPen(PenOf(ui::kLime));
  Line(c, w - 60, y, w - 30, y);
  Line(c, w - 60, y + 1, w - 30, y + 1);
  Line(c, w - 60, y, w - 52, y - 4);
  Line(c, w - 60, y + 1, w - 52, y + 5);
  c.SetPen(PenOf(ui::kBlack));
  c.TextOut(w - 25, y - 7, Whole(liveAdvance));
}

}  // namespace

void Paint3D(TGraphAdv& graph, const View3DScene& scene, bool relayout, ui::Canvas& view,
             ui::Canvas& legend) {
  if (relayout || graph.surface == ui::kNoControl) {
    Layout3D(graph, scene.image, scene.angles, scene.surface, view.SurfaceSize());
  }
  Painter painter(graph, scene, view);
  painter.Paint();
  view.Flush();
  DrawLegend(graph, painter.liveAdvance(), legend);
  legend.Flush();
  graph.drawnLiveCell = scene.live.tpsIndex * 10 + scene.live.rpmIndex;
}

void DrawFacet(ui::Canvas& canvas, float x1, float y1, float x2, float y2, float x3, float y3,
               ui::Colour front, ui::Colour back, ui::Colour edge, bool fill) {
  const ui::Point p1{static_cast<int>(x1), static_cast<int>(y1)};
  const ui::Point p2{static_cast<int>(x2), static_cast<int>(y2)};
  if (fill) {
    const float turn = (x1 - x3) * (y2 - y3) - (y1 - y3) * (x2 - x3);
    if (turn != 0) {
      const ui::Colour colour = turn < 0 ? front : back;
      const ui::Point triangle[3] = {p1, p2, {static_cast<int>(x3), static_cast<int>(y3)}};
      canvas.SetPen(PenOf(colour));
      canvas.SetBrush(Fill(colour));
      canvas.Polygon(triangle);
    }
  }
  canvas.SetPen(PenOf(edge));
  Line(canvas, p1.x, p1.y, p2.x, p2.y);
}

}  // namespace zarvell
