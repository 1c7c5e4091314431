// A map for the graph tests and an edit path that only writes down what the graph asked of it.
#pragma once

#include <cstdint>
#include <vector>

#include "mapedit/graph2d_mouse.h"
#include "params/view_rules.h"

namespace zarvell::testgraph {

inline constexpr ui::ControlIndex kSurface = 7;
inline constexpr ui::Size kGraphSize{621, 417};

inline std::uint8_t& Cell(ParameterImage& image, int row, int column) {
  return image[100 + 10 * row + column];
}

// Every cell and the base advance at `advance`, breakpoints 10..100 hundreds, limiter 120.
inline ParameterImage FlatMap(std::uint8_t advance) {
  ParameterImage image;
  for (int c = 0; c < 10; ++c) image[90 + c] = static_cast<std::uint8_t>(10 * (c + 1));
  for (int cell = 0; cell < 100; ++cell) image[100 + cell] = advance;
  image[field::BASE_ADV] = advance;
  image[field::LIMITER] = 120;
  image[field::TPS_MAPA] = 1;
  return image;
}

struct RecordedEdits final : GraphEdits {
  void RequestRedraw(std::uint32_t bits) override { redraw |= bits; }
  void ShowDraggedImage(int pin) override { pins.push_back(pin); }
  void ShowSteppedImage() override { ++stepped; }
  void TakeSnapshot() override { ++snapshots; }
  void MovePointer(ui::Point at) override { pointer.push_back(at); }
  void ClearHint() override { ++hintsCleared; }
  void ShowSelectionOnGrid() override { ++gridShown; }

  std::uint32_t redraw = 0;
  std::vector<int> pins;
  int stepped = 0, snapshots = 0, hintsCleared = 0, gridShown = 0;
  std::vector<ui::Point> pointer;
};

// The graph of `image` laid out in the map form (or the curve form) on the 621 x 417 surface.
struct GraphBench {
  explicit GraphBench(ParameterImage map, GraphForm graphForm = GraphForm::Map)
      : image(map), form(graphForm) {
    LayoutGraph(form, graph, image, kSurface, kGraphSize);
  }
  GraphContext Context() { return {graph, image, selection, live, kSurface, kGraphSize, edits}; }
  ui::Point At(int row, int point) {
    return PointOf(graph, image, row, point, RowRaise(graph, form, row)).at;
  }
  void Mouse(ui::MouseAction action, ui::Point at) {
    GraphContext context = Context();
    if (form == GraphForm::Map) {
      MapGraphMouse(context, action, at);
    } else {
      CurveGraphMouse(context, action, at);
    }
  }

  ParameterImage image;
  GraphForm form;
  TGraphAdv graph;
  TSelcell selection;
  link::LiveState live;
  RecordedEdits edits;
};

}  // namespace zarvell::testgraph
