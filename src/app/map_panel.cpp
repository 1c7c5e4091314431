#include "app/map_panel.h"

#include "design/main_controls.h"
#include "mapedit/grid_overlay.h"
#include "mapedit/map_clipboard.h"
#include "mapedit/map_grid.h"
#include "params/view_rules.h"

namespace zarvell {

using namespace design;

namespace {

// The same words in every language: the box is the map editor's own.
constexpr std::string_view kNoRectangle = "Choose continuouse rectangle arrea of cells...";
constexpr std::string_view kErrorCaption = "Error";

// The controls of the map page on which "+" and "-" step the advance.
bool StepsOnPlusMinus(ui::ControlIndex id) {
  switch (id) {
    case CheckBoxTpsMapa:
    case CheckBoxIgnAll:
    case BitBtnAdvMinus:
    case BitBtnAdvPlus:
    case Interpolation:
    case AMapForm:
    case AMapModeGraph:
    case AMapModeGraph3D:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool MapPanel::OnClick(ui::ControlIndex id) {
  switch (id) {
    case Interpolation:
      DoInterpolation();
      return true;
    case BitBtnAdvMinus:
    case AdvanceMinus:
      BitBtnAdvMinusClick();
      return true;
    case BitBtnAdvPlus:
    case AdvancePlus:
      BitBtnAdvPlusClick();
      return true;
    case BitBtnTps0:
      BitBtnTps0Click();
      return true;
    case BitBtnTps100:
      BitBtnTps100Click();
      return true;
    default:
      return false;
  }
}

bool MapPanel::OnUpDown(ui::ControlIndex id, bool up) {
  if (id < CSpinButton1 || id > CSpinButton10) return false;
  if (up) {
    CSpinButtonUpClick(id);
  } else {
    CSpinButtonDownClick(id);
  }
  return true;
}

bool MapPanel::OnMouse(ui::ControlIndex image, const ui::MouseEvent& event) {
  if (image != ImageSelect) return false;
  switch (event.action) {
    case ui::MouseAction::Down:
      OnImageSelMouseDown(event.point);
      break;
    case ui::MouseAction::Move:
      OnImageSelMouseMove(event.point);
      break;
    case ui::MouseAction::Up:
      OnImageSelMouseUp();
      break;
    case ui::MouseAction::Leave:
      break;
  }
  return true;
}

void MapPanel::KeyTest(ui::ControlIndex control, char c) {
  if (!StepsOnPlusMinus(control)) return;
  if (c == '+') BitBtnAdvPlusClick();
  if (c == '-') BitBtnAdvMinusClick();
}

bool MapPanel::OnClipboard(ui::ControlIndex control, ui::ClipboardKey key) {
  const bool onGrid =
      (control >= CellEdit(0) && control <= CellEdit(99)) || StepsOnPlusMinus(control);
  if (!onGrid) return false;
  if (key == ui::ClipboardKey::Copy) {
    // Without a selection the edit box with the focus copies its own text.
    const std::string cells = CopyCells(parts_.image, selection_);
    if (cells.empty()) return false;
    parts_.host.SetClipboardText(cells);
    return true;
  }
  // A single value is the edit box's to paste; a block is the grid's.
  if (!LooksLikeBlock(parts_.host.ClipboardText())) return false;
  PasteCells();
  return true;
}

bool MapPanel::OnArrowKey(ui::ControlIndex control, ui::NavigationKey key, bool extend) {
  if (control < CellEdit(0) || control > CellEdit(TSelcell::kCells - 1)) return false;
  const int dx = key == ui::NavigationKey::Left ? -1 : key == ui::NavigationKey::Right ? 1 : 0;
  const int dy = key == ui::NavigationKey::Up ? -1 : key == ui::NavigationKey::Down ? 1 : 0;
  if (dx == 0 && dy == 0) return false;
  LayoutGridCells();
  const int cell = control - CellEdit(0);
  const int next = selection_.Neighbour(cell, dx, dy);
  if (next < 0) return true;  // the grid's edge: the key does nothing
  if (extend) {
    if (keyEnd_ != cell || selection_.state != 2) keyAnchor_ = cell;
    selection_.SelectBlock(keyAnchor_, next);
    keyEnd_ = next;
    parts_.edits.RequestRedraw(kRedrawRepaint);
    DrawSelectionOverlay();
  } else {
    keyEnd_ = -1;
  }
  parts_.controls.SetFocus(CellEdit(next));
  return true;
}

void MapPanel::PasteCells() {
  ParameterImage& image = parts_.image;
  const PasteOutcome outcome = zarvell::PasteCells(parts_.host.ClipboardText(), selection_,
                                                   parts_.controls[CheckBoxTpsMapa].checked, image);
  if (outcome.kind == PasteOutcome::Kind::Pasted) return parts_.edits.ApplyImageEdit();
  std::string text =
      parts_.texts[outcome.kind == PasteOutcome::Kind::NotNumbers ? MsgPasteNotNumbers
                                                                  : MsgPasteDoesNotFit];
  if (outcome.kind == PasteOutcome::Kind::DoesNotFit) {
    text += " (" + std::to_string(outcome.rows) + " x " + std::to_string(outcome.columns) + ")";
  }
  parts_.host.ShowMessage(text, kProductName, ui::MessageButtons::Ok, ui::MessageIcon::Error);
}

void MapPanel::OnImageSelMouseDown(ui::Point at) {
  // Shift and Ctrl together count as neither: the press starts afresh.
  const ui::Modifiers keys = parts_.host.KeyboardModifiers();
  keyEnd_ = -1;
  LayoutGridCells();
  selection_.BeginSelection(at.x, at.y, keys.shift && !keys.ctrl, keys.ctrl && !keys.shift);
}

void MapPanel::OnImageSelMouseMove(ui::Point at) {
  if (selection_.state == 1 && selection_.UpdateSelection(at.x, at.y) == 1) {
    DrawSelectionOverlay();
  }
}

void MapPanel::OnImageSelMouseUp() {
  selection_.FinishSelection();
  parts_.edits.RequestRedraw(kRedrawRepaint);
  DrawSelectionOverlay();
}

void MapPanel::ShowGrid() {
  LayoutGridCells();
  DrawSelectionOverlay();
}

void MapPanel::LayoutGridCells() {
  const ui::Rect& rect = parts_.controls[ImageSelect].rect;
  zarvell::LayoutGridCells(selection_, parts_.controls[CheckBoxTpsMapa].checked, ImageSelect,
                           {rect.width, rect.height});
}

void MapPanel::DrawSelectionOverlay() {
  if (selection_.area == ui::kNoControl) LayoutGridCells();
  zarvell::DrawSelectionOverlay(selection_, parts_.host.CanvasOf(parts_.controls, ImageSelect));
}

void MapPanel::DoInterpolation() {
  if (!InterpolateSelection(selection_, parts_.image)) {
    parts_.host.ShowMessage(kNoRectangle, kErrorCaption, ui::MessageButtons::Ok,
                            ui::MessageIcon::Error);
    return;
  }
  parts_.edits.ApplyImageEdit();
}

void MapPanel::StepAdvance(int direction) {
  EditPath& edits = parts_.edits;
  edits.CommitControls();
  edits.Validate();
  zarvell::StepAdvance(selection_, parts_.controls[CheckBoxIgnAll].checked, parts_.live, direction,
                       parts_.image, [&edits] { edits.Validate(); });
  edits.ApplyImageEdit();
}

void MapPanel::ShiftColumn(ui::ControlIndex spin, int direction) {
  parts_.edits.CommitControls();
  zarvell::ShiftColumn(spin - CSpinButton1, direction, parts_.image);
  parts_.edits.ApplyImageEdit();
}

void MapPanel::BitBtnTps0Click() {
  if (CaptureTps0(parts_.live.tpsMv, parts_.image)) parts_.edits.ApplyImageEdit();
}

void MapPanel::BitBtnTps100Click() {
  if (CaptureTps100(parts_.live.tpsMv, parts_.image)) parts_.edits.ApplyImageEdit();
}

}  // namespace zarvell
