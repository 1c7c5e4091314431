// The edit path. Every change a user makes reaches the image through one sequence: the controls
// are committed, the image is validated, the controls are refreshed from it, and an undo
// snapshot is taken. New, bike presets and the servo steps change the image directly and join
// the same sequence after the commit.
#include <algorithm>

#include "app/form_hlav.h"
#include "app/texts/window_texts.h"
#include "params/bindings.h"
#include "params/code_tables.h"
#include "params/presets.h"
#include "params/view_rules.h"

namespace zarvell {

using namespace app;

void TFormHlav::CommitControls() {
  // The refresh itself moves controls; their events must not write a half-shown image back.
  if (refreshGuard_) return;
  CommitImage(controls_, image_, testMode_);
  ApplyViewRules();
}

void TFormHlav::ShowImage() {
  refreshGuard_ = true;
  const RadioMoves moved = ShowImageControls(image_, controls_);
  // A radio group moved by the refresh fires its click as a user's choice would. It stores the
  // value the image already holds, so only the snapshot step can follow from it.
  if (moved.input1) RadioGroupInput1Click();
  if (moved.input2) RadioGroupInput2Click();
  refreshGuard_ = false;
  ApplyViewRules();
  redrawFlags_ = 2;
}

void TFormHlav::ApplyViewRules() {
  const ViewInputs in = ReadViewInputs(controls_, image_, printing_, testMode_,
                                       {firmwareName_, firmwareDate_, firmwareTime_});
  redrawFlags_ |= zarvell::ApplyViewRules(in, controls_);
}

void TFormHlav::AfterEdit() {
  Sanitize();
  ShowImage();
  TakeSnapshot();
  redrawFlags_ = 2;
}

void TFormHlav::CommitAndAfterEdit() {
  // Let the validation find out which axis breakpoint the user moved.
  axisMemory_.pinRequest = -2;
  CommitControls();
  AfterEdit();
}

void TFormHlav::EditExit(ui::ControlIndex edit) {
  const ui::ControlIndex upDown = controls_.UpDownOf(edit);
  if (upDown != ui::kNoControl && BindingOfControl(upDown) != nullptr) CommitAndAfterEdit();
}

void TFormHlav::UpDownClick(ui::ControlIndex upDown) {
  if (BindingOfControl(upDown) != nullptr) CommitAndAfterEdit();
}

void TFormHlav::EditKeyPressEnter(ui::ControlIndex control) {
  // Enter works like Tab anywhere in the window, so the next field is ready for typing, and
  // it commits what the fields show.
  controls_.SetFocus(controls_.NextInTabOrder(control));
  CommitAndAfterEdit();
}

void TFormHlav::ComboBoxNasobekPalcuChange() {
  CommitAndAfterEdit();
}

void TFormHlav::CheckBoxMouseUp(ui::ControlIndex) {
  CommitControls();
  ApplyViewRules();
  AfterEdit();
}

void TFormHlav::CheckBoxZakazCteniClick() {
  CommitControls();
  ApplyViewRules();
}

void TFormHlav::RadioGroupInput1Click() {
  if (const int position = controls_[RadioGroupInput1].itemIndex; position >= 0) {
    image_[field::Input1] = static_cast<std::uint8_t>(position);
  }
  TakeSnapshot();
  ApplyViewRules();
}

void TFormHlav::RadioGroupInput2Click() {
  if (const int position = controls_[RadioGroupInput2].itemIndex; position >= 0) {
    image_[field::Input2] = static_cast<std::uint8_t>(position);
  }
  TakeSnapshot();
  ApplyViewRules();
}

void TFormHlav::ComboBoxBikeChange() {
  // Only the two lists are taken; the preset decides the rest.
  const int bike = controls_[ComboBoxBike].itemIndex;
  if (bike >= 0 && bike < kBikeCount) image_[field::BIKE] = BikeCodeAtPosition(bike);
  const int method = controls_[ComboBoxSynchro].itemIndex;
  if (method >= 0) image_[field::Synchro] = static_cast<std::uint8_t>(method);
  bikeChanged_ = true;
  // The hand-made wheel keeps everything; any other bike offers the default set first.
  if (image_[field::BIKE] != SpecialBike) MenuNewClick();
  ApplyBikePreset(image_, bikeChanged_);
  ShowImage();
  AfterEdit();
}

void TFormHlav::ServoStep(int direction) {
  CommitControls();
  // One step is 20 mV; the ends stay one step inside the byte's range.
  auto step = [direction](std::uint8_t& mv) {
    if (direction < 0 && mv > 1) --mv;
    if (direction > 0 && mv < 249) ++mv;
  };
  if (controls_[CheckBoxServoAll].checked) {
    for (std::size_t i = 0; i < field::kAxisPoints; ++i) step(image_[field::SERVO_MV + i]);
  } else {
    step(image_[field::SERVO_MV + std::min<std::size_t>(live_.servoIndex, 9)]);
  }
  AfterEdit();
}

void TFormHlav::MapViewClick() {
  ApplyViewRules();
}

void TFormHlav::MenuNewClick() {
  const ui::MessageAnswer answer =
      host_.ShowMessage(texts_[MsgAskDefaults], kProductName, ui::MessageButtons::YesNoCancel);
  if (answer != ui::MessageAnswer::Yes) return;
  LoadDefaults(image_, bikeChanged_);
  AfterEdit();
  controls_.SetVisible(LabelHlaseni, false);
  controls_.SetVisible(CGaugeProgram, false);
  texts_[CurrentFileName].clear();
  ShowWindowCaption(texts_, controls_);
}

}  // namespace zarvell
