// Undo and redo: whole snapshots of the image, each remembering the page it was taken on.
#include <algorithm>

#include "app/form_hlav.h"

namespace zarvell {

using namespace design;

namespace {
std::uint8_t PageIndex(const ui::ControlModel& controls) {
  return static_cast<std::uint8_t>(std::max(0, controls[PageControl1].itemIndex));
}
}  // namespace

void TFormHlav::InitHistory() {
  process_.undo.Init(set_.image, PageIndex(controls_));
  UpdateUndoButtons();
}

void TFormHlav::TakeSnapshot() {
  const bool changed = process_.undo.Record(set_.image, PageIndex(controls_));
  if (changed) UpdateUndoButtons();
  if (process_.undo.ProgramAfterChange(changed, controls_[CheckBoxProgHned].checked)) {
    link_.StartProgramming();
  }
}

void TFormHlav::UpdateUndoButtons() {
  const bool undo = process_.undo.CanUndo();
  const bool redo = process_.undo.CanRedo();
  controls_.SetEnabled(SpeedButtonZpet, undo);
  controls_.SetEnabled(MenuZpet, undo);
  controls_.SetEnabled(SpeedButtonZnovu, redo);
  controls_.SetEnabled(MenuZnovu, redo);
}

void TFormHlav::SpeedButtonZpetClick() {
  graph_.EndWheelRun();
  if (!process_.undo.StepBack()) return;
  ShowSnapshotStep();
}

void TFormHlav::SpeedButtonZnovuClick() {
  graph_.EndWheelRun();
  if (!process_.undo.StepForward()) return;
  ShowSnapshotStep();
}

// The image of the step comes back whole, on the page it was taken on; it was valid when it
// was taken, so it is shown without a validation and without a new snapshot.
void TFormHlav::ShowSnapshotStep() {
  const UndoHistory::Snapshot& snapshot = process_.undo.Current();
  set_.Replace({snapshot.block});
  ShowImage();
  if (snapshot.page != PageIndex(controls_)) controls_.SetItemIndex(PageControl1, snapshot.page);
  ShowImage();
  UpdateUndoButtons();
  if (controls_[CheckBoxProgHned].checked) link_.StartProgramming();
  redrawFlags_ = kRedrawRelayout;
}

}  // namespace zarvell
