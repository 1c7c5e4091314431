// The About window: version and build stamp, the maker's address, and an "OK" label that
// closes it. Created hidden with the main window and shown modally.
#pragma once

#include "app/process_state.h"
#include "ui/control_model.h"
#include "ui/form_events.h"
#include "ui/form_host.h"

namespace zarvell {

class TFormAbout final : public ui::FormEvents {
 public:
  TFormAbout(ProcessState& process, ui::FormHost& host);

  ui::ControlModel& controls() { return controls_; }
  // Once: build stamp, version, centred on the screen.
  void FormCreate();
  // Each time it is shown: the caption in the current language.
  void FormActivate();
  void Button1Click();
  // Modal until it closes; FormActivate runs as it appears.
  void ShowModal();

  void OnClick(ui::ControlIndex id) override;
  void OnKeyboardToggle(ui::ControlIndex) override {}
  void OnEditExit(ui::ControlIndex) override {}
  void OnEditEnter(ui::ControlIndex) override {}
  void OnUpDown(ui::ControlIndex, bool) override {}
  void OnSelect(ui::ControlIndex) override {}
  void OnMouse(ui::ControlIndex, const ui::MouseEvent&) override {}
  void OnWheel(ui::ControlIndex, const ui::WheelEvent&) override {}
  void OnPageChange() override {}
  void OnTick() override {}
  void OnShow() override { FormActivate(); }

 private:
  ProcessState& process_;
  ui::FormHost& host_;
  ui::ControlModel controls_;
};

}  // namespace zarvell
