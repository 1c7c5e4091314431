// Editing the map on the 2D graph with the mouse: the hit test that finds the point under the
// pointer, a press that grabs a point or the limiter line (or starts a selection on the point
// boxes), the drag that moves a breakpoint sideways and the advance up or down, and the
// release that records the drag as one undo step. Shift widens an edit to the whole curve,
// Ctrl to the whole column, both to the whole map. Nothing is drawn here: the handlers ask the
// next tick for a redraw.
#pragma once

#include <cstdint>

#include "link/operating_point.h"
#include "mapedit/cell_selection.h"
#include "mapedit/graph2d_layout.h"
#include "ui/form_events.h"

namespace zarvell {

// What the graph's editing asks of the window.
class GraphEdits {
 public:
  // Bits of the window's redraw word (kRedrawRepaint, kRedrawRelayout).
  virtual void RequestRedraw(std::uint32_t bits) = 0;
  // The image validated with the breakpoint `pin` held where the drag put it (a column, or
  // kPinNone / kPinFindMoved), then shown.
  virtual void ShowDraggedImage(int pin) = 0;
  // The image validated and shown, no undo step (the wheel's changes).
  virtual void ShowSteppedImage() = 0;
  virtual void TakeSnapshot() = 0;
  // The screen pointer moved to `at` on the graph's surface.
  virtual void MovePointer(ui::Point at) = 0;
  virtual void ClearHint() = 0;
  // A selection made on the curve form is shown on the grid above it.
  virtual void ShowSelectionOnGrid() = 0;

 protected:
  ~GraphEdits() = default;
};

struct GraphContext {
  TGraphAdv& graph;
  ParameterImage& image;
  TSelcell& selection;
  const link::LiveState& live;
  ui::ControlIndex surface;
  ui::Size size;  // the surface's present size
  GraphEdits& edits;
};

void MapGraphMouse(GraphContext& context, ui::MouseAction action, ui::Point at);
void CurveGraphMouse(GraphContext& context, ui::MouseAction action, ui::Point at);
void GrafAdvMouseLeave(TGraphAdv& graph, GraphEdits& edits);

// The selection's cell rectangles as 10 x 10 boxes around the curves' points, on the graph's
// surface: every cell in the map form, the 100 % row alone in the curve form.
void LayoutMapPointBoxes(const GraphContext& context);
void LayoutCurvePointBoxes(const GraphContext& context);

}  // namespace zarvell
