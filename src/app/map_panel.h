// The window's side of the advance map editor: the cell selection on the grid, the buttons
// that interpolate and step the cells, the column spin buttons, "+" and "-" typed on the map's
// controls, copying and pasting cells, and the throttle calibration captures. It owns the
// selection, which the map's graphs share.
#pragma once

#include "app/edit_path.h"
#include "design/texts/text_table.h"
#include "link/operating_point.h"
#include "mapedit/cell_selection.h"
#include "params/image.h"
#include "ui/control_model.h"
#include "ui/form_events.h"
#include "ui/form_host.h"

namespace zarvell {

class MapPanel {
 public:
  struct Parts {
    ui::ControlModel& controls;
    ui::FormHost& host;
    const TextTable& texts;
    ParameterImage& image;
    const link::LiveState& live;
    EditPath& edits;
  };
  explicit MapPanel(Parts parts) : parts_(parts) {}

  // Events on the panel's controls; false for any other control.
  bool OnClick(ui::ControlIndex id);
  bool OnUpDown(ui::ControlIndex id, bool up);
  bool OnMouse(ui::ControlIndex image, const ui::MouseEvent& event);
  void KeyTest(ui::ControlIndex control, char c);
  // Ctrl+C copies the selected cells; Ctrl+V pastes a block of cells as one undo step, or
  // refuses it with a message. False where the key is not the grid's.
  bool OnClipboard(ui::ControlIndex control, ui::ClipboardKey key);
  // Ctrl+arrow on a cell's edit box: the focus goes to the neighbouring cell; with Shift
  // (`extend`) the selection becomes the block from the cell where the keyboard selection
  // began to the new one. False where the control is not a cell.
  bool OnArrowKey(ui::ControlIndex control, ui::NavigationKey key, bool extend);

  void OnImageSelMouseDown(ui::Point at);
  void OnImageSelMouseMove(ui::Point at);
  void OnImageSelMouseUp();
  void OnEnterAdvanceMap() { ShowGrid(); }
  void DoInterpolation();
  void BitBtnAdvMinusClick() { StepAdvance(-1); }
  void BitBtnAdvPlusClick() { StepAdvance(+1); }
  void CSpinButtonDownClick(ui::ControlIndex spin) { ShiftColumn(spin, -1); }
  void CSpinButtonUpClick(ui::ControlIndex spin) { ShiftColumn(spin, +1); }
  void BitBtnTps0Click();
  void BitBtnTps100Click();

  // The grid is shown: the cells laid out on ImageSelect and the overlay drawn.
  void ShowGrid();

  const TSelcell& selection() const { return selection_; }
  // The graphs select on it too.
  TSelcell& selection() { return selection_; }

 private:
  void LayoutGridCells();
  void DrawSelectionOverlay();
  void StepAdvance(int direction);
  void ShiftColumn(ui::ControlIndex spin, int direction);
  void PasteCells();

  Parts parts_;
  TSelcell selection_;
  // The keyboard selection: the cell it began at and the cell it reached, which has the focus
  // while the selection goes on; -1 when the last selection was not the keyboard's.
  int keyAnchor_ = -1;
  int keyEnd_ = -1;
};

}  // namespace zarvell
