// The status label LabelHlaseni with the progress gauge CGaugeProgram beside it. A message
// stays for 200 ticks (about 11 s), then label and gauge hide.
#pragma once

#include <cstdint>
#include <string_view>

#include "design/main_controls.h"
#include "ui/control_model.h"

namespace zarvell {

class StatusLine {
 public:
  static constexpr std::uint8_t kMessageTicks = 200;

  explicit StatusLine(ui::ControlModel& controls) : controls_(controls) {}

  void Show(std::string_view text, ui::Colour colour) {
    controls_.SetColour(design::LabelHlaseni, colour);
    controls_.SetCaption(design::LabelHlaseni, text);
    ticks_ = kMessageTicks;
  }
  // The message goes at the next tick.
  void Expire() { ticks_ = 0; }
  void Hide() {
    controls_.SetVisible(design::LabelHlaseni, false);
    controls_.SetVisible(design::CGaugeProgram, false);
  }
  // One tick of the countdown: the message shows (not on paper) while it lasts. False once it
  // has run out, and label and gauge are hidden.
  bool Countdown(bool printing) {
    if (ticks_ == 0) {
      Hide();
      return false;
    }
    --ticks_;
    controls_.SetVisible(design::LabelHlaseni, !printing);
    return true;
  }

 private:
  ui::ControlModel& controls_;
  std::uint8_t ticks_ = 0;
};

}  // namespace zarvell
