// The main window's logic: it owns the controls (as data), the parameter image and the text
// table, and keeps the handler names of the window design as its entry points. The renderer
// (Qt, or the scripted host of tests and `zarvell-cli play`) forwards events to it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/about_form.h"
#include "app/design/main_controls.h"
#include "app/process_state.h"
#include "app/settings.h"
#include "app/texts/text_table.h"
#include "mapedit/sanitize.h"
#include "params/image.h"
#include "ui/control_model.h"
#include "ui/form_events.h"
#include "ui/form_host.h"

namespace zarvell {

class TFormHlav final : public ui::FormEvents {
 public:
  TFormHlav(ProcessState& process, ui::FormHost& host, ConfigPaths paths);

  ui::ControlModel& controls() { return controls_; }
  const ui::ControlModel& controls() const { return controls_; }
  const ParameterImage& image() const { return image_; }
  const TextTable& texts() const { return texts_; }
  TFormAbout& about() { return about_; }
  bool testMode() const { return testMode_; }

  // Start-up, with the program's arguments after the program name; the first may name the
  // language ("ENGLISH", "DEUTSCH", "FRANCE", "CESKY").
  void FormCreate(std::span<const std::string> args);
  // Shut-down, whether by the close box or by MenuExit: saves the settings and the image.
  void FormClose();
  void Timer1Timer();

  // ui::FormEvents: the renderer's events, routed to the handlers below.
  void OnClick(ui::ControlIndex id) override;
  void OnKeyboardToggle(ui::ControlIndex id) override;
  void OnEditExit(ui::ControlIndex edit) override;
  void OnEditEnter(ui::ControlIndex edit) override;
  void OnUpDown(ui::ControlIndex id, bool up) override;
  void OnSelect(ui::ControlIndex id) override;
  void OnMouse(ui::ControlIndex image, const ui::MouseEvent& event) override;
  void OnWheel(ui::ControlIndex image, const ui::WheelEvent& event) override;
  void OnPageChange() override;
  void OnTick() override { Timer1Timer(); }

  void MenuEnglishClick();
  void MenuGermanClick();
  void MenuFrenchClick();
  void MenuCzechClick();
  void MenuExitClick();
  void MenuAboutClick();
  void MenuContensClick();

 private:
  void SwitchLanguage(std::uint8_t language);
  // The list controls from the image: the part of the refresh that a language switch needs,
  // since replacing list entries drops their selection.
  void ShowListSelections();
  WindowSettings CurrentSettings() const;
  void LoadSettings();
  void SaveSettings();
  void Sanitize();

  ProcessState& process_;
  ui::FormHost& host_;
  ConfigPaths paths_;
  ui::ControlModel controls_;
  TFormAbout about_;
  ParameterImage image_{};
  TextTable texts_{};
  AxisMemory axisMemory_{};
  std::string iniDir_;  // last folder of the file dialogs
  std::uint8_t comPortIndex_ = 0;
  std::uint8_t autoPortIndex_ = 0;
  std::uint8_t messageTicks_ = 0;
  bool programDone_ = false;
  bool printing_ = false;
  bool testMode_ = false;
};

}  // namespace zarvell
