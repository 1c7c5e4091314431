#include "mapedit/graph2d_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "mapedit/selection_colours.h"
#include "params/code_tables.h"

namespace zarvell {
namespace {

constexpr ui::Colour kCream = ui::Colour::Rgb(255, 251, 240);
constexpr ui::Colour kSilver = ui::Colour::Rgb(192, 192, 192);
constexpr ui::Colour kGrey = ui::Colour::Rgb(128, 128, 128);
constexpr ui::Brush kNoFill{ui::kWhite, ui::Brush::Style::Clear};

ui::Pen PenOf(ui::Colour colour, int width = 1) {
  return {colour, width, ui::Pen::Style::Solid};
}
ui::Brush Fill(ui::Colour colour) {
  return {colour, ui::Brush::Style::Solid};
}

std::string Format(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

void Line(ui::Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

class Painter {
 public:
  Painter(TGraphAdv& g, const GraphScene& s, GraphForm form, ui::Canvas& canvas)
      : g_(g), s_(s), form_(form), c_(canvas) {}

  void Paint() {
    const int right = g_.plotX0 + g_.plotWidth;
    const int top = g_.plotY0 - g_.plotHeight;
    const int raise = RowRaise(g_, form_, g_.activeRow);
    const int zeroY =
        g_.plotY0 - static_cast<int>(std::floor(static_cast<float>(raise) * g_.yScale - 0.5f));
    const ui::Size size = c_.SurfaceSize();
    c_.SetFont({});
    c_.SetBrush(Fill(ui::Colour::ButtonFace()));
    c_.FillRect(0, 0, size.width, size.height);
    c_.SetBrush(Fill(kCream));
    c_.FillRect(g_.plotX0, top, right, g_.plotY0);
    if (form_ == GraphForm::Map) {
      c_.SetBrush(Fill(ui::kWhite));
      c_.FillRect(g_.plotX0, std::max(top, zeroY - static_cast<int>(std::floor(60 * g_.yScale))),
                  right, zeroY);
    }
    c_.SetBrush(Fill(kSilver));
    if (const int limiter = LimiterX(g_, s_.image); limiter < right) {
      c_.FillRect(limiter, top, right, g_.plotY0);
    }

    c_.SetPen(PenOf(form_ == GraphForm::Map ? kSilver : kGrey));
    for (int k = 1; k <= g_.rpmRange / 1000; ++k) {
      const int x = RoundedRpmX(g_, k * 1000);
      Line(c_, x, g_.plotY0 + 3, x, top);
    }
    for (int k = 1; k <= g_.degreeRange / 5; ++k) {
      const int y = RoundedDegreeY(g_, k * 5);
      Line(c_, g_.plotX0 - 3, y, right, y);
    }
    if (form_ == GraphForm::Map) Line(c_, g_.plotX0 - 3, zeroY, right, zeroY);

    c_.SetBrush(kNoFill);
    for (int k = 0; k <= g_.rpmRange / 1000; ++k) {
      if (g_.rpmRange >= 15000 && k % 2 != 0) continue;
      c_.TextOut(RoundedRpmX(g_, k * 1000) - 7, g_.plotY0 + 2, Format("%ik", k));
    }
    DegreeLabels(raise, right);

    c_.SetPen(PenOf(ui::kBlack));
    for (const int dx : {0, -1}) Line(c_, g_.plotX0 + dx, g_.plotY0 + 2, g_.plotX0 + dx, top - 1);
    for (const int dy : {0, 1}) Line(c_, g_.plotX0 - 1, g_.plotY0 + dy, right, g_.plotY0 + dy);

    const TSelcell& sel = s_.selection;
    if (sel.state == 1 && sel.area == s_.surface) {
      c_.SetPen(PenOf(ui::kRed));
      c_.Rectangle(std::min(sel.anchorX, sel.currentX), std::min(sel.anchorY, sel.currentY),
                   std::max(sel.anchorX, sel.currentX), std::max(sel.anchorY, sel.currentY));
    }
    for (int r = FirstRow(form_); r < 10; ++r) Curve(r);

    const bool limiterGrabbed = g_.grabbedPoint == LIMITER_LINE;
    if (limiterGrabbed || g_.hoveredPoint == LIMITER_LINE) {
      const int x = LimiterX(g_, s_.image);
      c_.SetPen(PenOf(limiterGrabbed ? kBlue : ui::kRed, 2));
      Line(c_, x, g_.plotY0, x, top);
    }
    LiveMarker(top);
    c_.Flush();
  }

 private:
  void DegreeLabels(int raise, int right) {
    const bool map = form_ == GraphForm::Map;
    const int last = map ? std::min((g_.degreeRange - raise) / 5, 12) : g_.degreeRange / 5;
    for (int k = 0; k <= last; ++k) {
      if (g_.degreeRange >= 40 && k % 2 != 0) continue;
      const int y = RoundedDegreeY(g_, 5 * k + (map ? raise : 0));
      if (map) {
        c_.TextOut(right + 5, y - 8, Format("%i", 5 * k));
      } else {
        c_.TextOut(g_.plotX0 - 20, y - 4, Format("%i", 5 * k));
      }
    }
  }

  std::uint16_t Flags(int row, int column) const {
    return column < 0 || column > 9 ? 0 : s_.selection.cellFlags[row * 10 + column];
  }

  // The segment into point `o` from the one before it.
  ui::Colour SegmentColour(int row, int o, ui::Colour curve) const {
    if (o < 1 || o > 9) return curve;
    const std::uint16_t a = Flags(row, o - 1), b = Flags(row, o);
    if (a == 0 || b == 0) return curve;
    const bool dragA = (a & CELL_IN_DRAG) != 0, dragB = (b & CELL_IN_DRAG) != 0;
    if (dragA && dragB) return ((a | b) & CELL_SELECTED) != 0 ? ui::kYellow : ui::kRed;
    if (!dragA && !dragB) return kBlue;
    return curve;
  }

  void Curve(int row) {
    const bool active = form_ == GraphForm::Curve || row == g_.activeRow;
    const ui::Colour colour = active ? ui::kRed : kGrey;
    const ui::Colour fill = active ? ui::kYellow : kGrey;
    const int raise = RowRaise(g_, form_, row);
    ui::Point points[12];  // BASE_POINT .. kRightEndPoint
    for (int o = BASE_POINT; o <= kRightEndPoint; ++o) {
      points[o + 1] = PointOf(g_, s_.image, row, o, raise).at;
    }
    for (int o = 0; o <= kRightEndPoint; ++o) {
      const ui::Point a = points[o], b = points[o + 1];
      c_.SetPen(PenOf(SegmentColour(row, o, colour)));
      if (o == 0) {
        for (const int d : {0, -1}) {
          Line(c_, a.x, a.y + d, b.x, a.y + d);
          Line(c_, b.x + d, a.y, b.x + d, b.y);
        }
      } else {
        for (const ui::Point d : {ui::Point{0, 0}, {0, -1}, {-1, -1}, {1, -1}}) {
          Line(c_, a.x + d.x, a.y + d.y, b.x + d.x, b.y + d.y);
        }
      }
    }
    for (int o = BASE_POINT; o <= 9; ++o) Marker(row, o, points[o + 1], colour, fill);
    for (int o = BASE_POINT; o <= 9; ++o) HoverMarker(o, points[o + 1], active);
    if (form_ == GraphForm::Map) RowLabel(row, points[0]);
  }

  void Marker(int row, int o, ui::Point p, ui::Colour colour, ui::Colour fill) {
    const std::uint16_t flags = Flags(row, o);
    if (flags == 0) {
      c_.SetPen(PenOf(colour));
      c_.SetBrush(Fill(fill));
      c_.RoundRect(p.x - 3, p.y - 3, p.x + 3, p.y + 3, 3, 3);
      return;
    }
    const bool inDrag = (flags & CELL_IN_DRAG) != 0;
    c_.SetPen(PenOf(inDrag ? ui::kRed : kBlue));
    if (inDrag) {
      c_.SetBrush(Fill((flags & CELL_SELECTED) != 0 ? ui::kYellow : ui::kRed));
    } else {
      c_.SetBrush(Fill((flags & CELL_CORNER) != 0 ? kDarkGreen : kBlue));
    }
    c_.RoundRect(p.x - 3, p.y - 3, p.x + 3, p.y + 3, 3, 3);
    c_.SetBrush(kNoFill);
    c_.RoundRect(p.x - 5, p.y - 5, p.x + 5, p.y + 5, 5, 5);
  }

  void HoverMarker(int o, ui::Point p, bool activeRow) {
    const bool onColumn = g_.grabbedPoint >= 0 || g_.hoveredPoint >= 0;
    const bool marked =
        o == g_.grabbedPoint || o == g_.hoveredPoint || (o >= 0 && g_.shiftHeld != 0 && onColumn);
    const bool onRow =
        form_ == GraphForm::Curve || activeRow || g_.ctrlHeld != 0 || o == BASE_POINT;
    if (!marked || !onRow) return;
    c_.SetPen(PenOf(g_.grabbedPoint != NO_POINT ? kBlue : ui::kRed));
    c_.SetBrush(kNoFill);
    c_.Rectangle(p.x - 5, p.y - 5, p.x + 4, p.y + 4);
  }

  void RowLabel(int row, ui::Point base) {
    const std::string text = Format("%i%%", TpsAxis[static_cast<std::size_t>(row)]);
    c_.SetBrush(Fill(row == s_.live.tpsIndex ? ui::kLime : ui::Colour::ButtonFace()));
    c_.TextOut(g_.plotX0 - 5 - c_.TextExtent(text).width, base.y - 6, text);
  }

  void LiveMarker(int top) {
    const link::LiveState& live = s_.live;
    if (live.rpm == 0) return;
    const int x = RpmX(g_, live.rpm);
    c_.SetPen(PenOf(ui::kLime));
    Line(c_, x, g_.plotY0, x, top);
    if (live.rpmIndex >= 10) return;
    const int row = form_ == GraphForm::Map ? live.tpsIndex : 9;
    const ui::Point p = PointOf(g_, s_.image, row, live.rpmIndex, RowRaise(g_, form_, row)).at;
    c_.SetBrush(kNoFill);
    c_.Ellipse(p.x - 7, p.y - 7, p.x + 8, p.y + 8);
    c_.Ellipse(p.x - 8, p.y - 8, p.x + 9, p.y + 9);
  }

  TGraphAdv& g_;
  const GraphScene& s_;
  GraphForm form_;
  ui::Canvas& c_;
};

void Draw(GraphForm form, TGraphAdv& graph, const GraphScene& scene, bool relayout,
          ui::Canvas& canvas) {
  if (relayout || graph.surface == ui::kNoControl) {
    LayoutGraph(form, graph, scene.image, scene.surface, canvas.SurfaceSize());
  }
  Painter(graph, scene, form, canvas).Paint();
  graph.drawnLiveCell = scene.live.tpsIndex * 10 + scene.live.rpmIndex;
}

}  // namespace

void DrawMapGraph(TGraphAdv& graph, const GraphScene& scene, bool relayout, ui::Canvas& canvas) {
  Draw(GraphForm::Map, graph, scene, relayout, canvas);
}

void DrawCurveGraph(TGraphAdv& graph, const GraphScene& scene, bool relayout, ui::Canvas& canvas) {
  Draw(GraphForm::Curve, graph, scene, relayout, canvas);
}

std::string GraphHint(const TGraphAdv& g, const ParameterImage& image) {
  const bool grabbed = g.grabbedPoint != NO_POINT;
  const int point = grabbed ? g.grabbedPoint : g.hoveredPoint;
  const char* move = grabbed ? " (move)" : "";
  char text[80];
  if (point >= 0 && point <= 9) {
    const int cell = image[field::AdvanceCell(static_cast<std::size_t>(g.activeRow),
                                              static_cast<std::size_t>(point))];
    std::snprintf(text, sizeof text, "  rpm=%i; advance=%i\u00B0%s",
                  image.Shown(field::RPM_ADV + static_cast<std::size_t>(point)), cell, move);
  } else if (point == BASE_POINT) {
    std::snprintf(text, sizeof text, "  BASE advance=%i\u00B0%s", image[field::BASE_ADV], move);
  } else if (point == LIMITER_LINE) {
    std::snprintf(text, sizeof text, "  Limiter=%i%s", image.Shown(field::LIMITER), move);
  } else {
    return {};
  }
  return text;
}

}  // namespace zarvell
