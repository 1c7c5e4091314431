// The edit path. Every change a user makes reaches the image through ApplyEdit: the controls
// are committed, the image is validated, the controls are refreshed from it, an undo snapshot
// is taken and the graphs are laid out again. New, bike presets and the servo steps change the
// image directly and join the same path after the commit.
#include <algorithm>

#include "app/form_hlav.h"
#include "design/texts/window_texts.h"
#include "params/bindings.h"
#include "params/code_tables.h"
#include "params/presets.h"
#include "params/view_rules.h"

namespace zarvell {

using namespace design;

void TFormHlav::ApplyEdit(EditFrom from) {
  if (from == EditFrom::Field) set_.axisMemory.pinRequest = kPinFindMoved;
  if (from != EditFrom::Image) CommitControls();
  Sanitize();
  ShowImage();
  TakeSnapshot();
  redrawFlags_ = kRedrawRelayout;
}

void TFormHlav::CommitControls() {
  // The refresh itself moves controls; their events must not write a half-shown image back.
  if (refreshGuard_) return;
  CommitImage(controls_, set_.image, testMode_);
  ApplyViewRules();
}

void TFormHlav::ShowImage() {
  refreshGuard_ = true;
  const RadioMoves moved = ShowImageControls(set_.image, controls_);
  // A radio group moved by the refresh fires its click as a user's choice would. It stores the
  // value the image already holds, so only the snapshot step can follow from it.
  if (moved.input1) RadioGroupInput1Click();
  if (moved.input2) RadioGroupInput2Click();
  refreshGuard_ = false;
  ApplyViewRules();
  redrawFlags_ = kRedrawRelayout;
}

void TFormHlav::ApplyViewRules() {
  const ViewInputs in =
      ReadViewInputs(controls_, set_.image, printing_, testMode_, link_.unitTexts());
  redrawFlags_ |= zarvell::ApplyViewRules(in, controls_);
  // The table view shows the grid, and with it the selection drawn over it.
  if (controls_[ImageSelect].visible) map_.ShowGrid();
}

void TFormHlav::CommitForTransfer() {
  CommitControls();
  Sanitize();
  ShowImage();
}

void TFormHlav::ShowArrivedImage() {
  Sanitize();
  ShowImage();
}

void TFormHlav::ShowDraggedImage(int pin) {
  set_.axisMemory.pinRequest = pin;
  Sanitize();
  set_.axisMemory.pinRequest = kPinNone;
  ShowImage();
}

void TFormHlav::ForgetFileName() {
  texts_[CurrentFileName].clear();
  ShowWindowCaption(texts_, controls_);
}

void TFormHlav::ForgetPreviousSet() {
  set_.NewSetInPlace();
}

void TFormHlav::AfterNewSet() {
  ForgetPreviousSet();
  ApplyEdit(EditFrom::Image);
}

void TFormHlav::ShowStatus(std::string_view text, ui::Colour background) {
  status_.Show(text, background);
  controls_.SetVisible(LabelHlaseni, true);
}

void TFormHlav::EditExit(ui::ControlIndex edit) {
  const ui::ControlIndex upDown = controls_.UpDownOf(edit);
  if (upDown != ui::kNoControl && BindingOfControl(upDown) != nullptr) ApplyEdit(EditFrom::Field);
}

void TFormHlav::UpDownClick(ui::ControlIndex upDown) {
  if (BindingOfControl(upDown) != nullptr) ApplyEdit(EditFrom::Field);
}

void TFormHlav::EditKeyPressEnter(ui::ControlIndex control) {
  // Enter works like Tab anywhere in the window, so the next field is ready for typing, and
  // it commits what the fields show.
  controls_.SetFocus(controls_.NextInTabOrder(control));
  ApplyEdit(EditFrom::Field);
}

void TFormHlav::CheckBoxZakazCteniClick() {
  CommitControls();
  ApplyViewRules();
}

void TFormHlav::StoreRadioChoice(ControlId group, std::size_t byte) {
  if (const int position = controls_[group].itemIndex; position >= 0) {
    set_.image[byte] = static_cast<std::uint8_t>(position);
  }
  TakeSnapshot();
  ApplyViewRules();
}

void TFormHlav::ComboBoxBikeChange() {
  // Only the two lists are taken; the preset decides the rest.
  const int bike = controls_[ComboBoxBike].itemIndex;
  if (bike >= 0 && bike < kBikeCount) set_.image[field::BIKE] = BikeCodeAtPosition(bike);
  const int method = controls_[ComboBoxSynchro].itemIndex;
  if (method >= 0) set_.image[field::Synchro] = static_cast<std::uint8_t>(method);
  bikeChanged_ = true;
  // The hand-made wheel keeps everything; any other bike offers the default set first.
  if (set_.image[field::BIKE] != SpecialBike) MenuNewClick();
  const bool preset = set_.image[field::BIKE] != SpecialBike;
  ApplyBikePreset(set_.image, bikeChanged_);
  ShowImage();
  if (preset) {
    AfterNewSet();
  } else {
    ApplyEdit(EditFrom::Image);
  }
}

void TFormHlav::ServoStep(int direction) {
  CommitControls();
  // One step is 20 mV; the ends stay one step inside the byte's range.
  auto step = [direction](std::uint8_t& mv) {
    if (direction < 0 && mv > 1) --mv;
    if (direction > 0 && mv < 249) ++mv;
  };
  if (controls_[CheckBoxServoAll].checked) {
    for (std::size_t i = 0; i < field::kAxisPoints; ++i) step(set_.image[field::SERVO_MV + i]);
  } else {
    step(set_.image[field::SERVO_MV + std::min<std::size_t>(link_.live().servoIndex, 9)]);
  }
  ApplyEdit(EditFrom::Image);
}

void TFormHlav::MenuNewClick() {
  const ui::MessageAnswer answer =
      host_.ShowMessage(texts_[MsgAskDefaults], kProductName, ui::MessageButtons::YesNoCancel);
  if (answer != ui::MessageAnswer::Yes) return;
  LoadDefaults(set_.image, bikeChanged_);
  AfterNewSet();
  status_.Hide();
  ForgetFileName();
}

}  // namespace zarvell
