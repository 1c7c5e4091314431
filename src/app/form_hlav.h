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
#include "link/block_transfer.h"
#include "link/com_link.h"
#include "link/com_ports.h"
#include "link/live_display.h"
#include "link/serial_port.h"
#include "mapedit/sanitize.h"
#include "params/image.h"
#include "ui/control_model.h"
#include "ui/form_events.h"
#include "ui/form_host.h"

namespace zarvell {

class TFormHlav final : public ui::FormEvents, private link::TransferLink {
 public:
  // The window talks to the unit through `port`, on the device of the chosen COM number.
  TFormHlav(ProcessState& process, ui::FormHost& host, link::SerialPort& port, ConfigPaths paths);

  ui::ControlModel& controls() { return controls_; }
  const ui::ControlModel& controls() const { return controls_; }
  const ParameterImage& image() const { return image_; }
  const TextTable& texts() const { return texts_; }
  TFormAbout& about() { return about_; }
  bool testMode() const { return testMode_; }
  std::uint32_t redrawFlags() const { return redrawFlags_; }
  const link::ComLink& comLink() const { return link_; }
  const link::BlockTransfer& transfer() const { return transfer_; }
  const link::LiveState& live() const { return live_; }

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

  // Editing.
  void EditExit(ui::ControlIndex edit);
  void UpDownClick(ui::ControlIndex upDown);
  void EditKeyPressEnter(ui::ControlIndex control);
  void ComboBoxNasobekPalcuChange();
  void CheckBoxMouseUp(ui::ControlIndex checkBox);
  void CheckBoxZakazCteniClick();
  void RadioGroupInput1Click();
  void RadioGroupInput2Click();
  void ComboBoxBikeChange();
  void BitBtnServoMinusClick() { ServoStep(-1); }
  void BitBtnServoPlusClick() { ServoStep(+1); }
  void MapViewClick();
  void MenuNewClick();
  void SpeedButtonZpetClick();
  void SpeedButtonZnovuClick();

  // The unit.
  void MenuCom1Click(ui::ControlIndex entry);
  void MenuProgramClick();
  void MenuVerifyClick();
  void MenuReadClick();

  void MenuEnglishClick();
  void MenuGermanClick();
  void MenuFrenchClick();
  void MenuCzechClick();
  void MenuExitClick();
  void MenuAboutClick();
  void MenuContensClick();

 private:
  void SwitchLanguage(std::uint8_t language);

  // The edit path: controls into the image, validation, controls from the image, snapshot.
  void CommitControls();
  void ShowImage();
  void AfterEdit();
  void ApplyViewRules();
  void CommitAndAfterEdit();
  void ServoStep(int direction);

  // Undo history.
  void InitHistory();
  void TakeSnapshot();
  void RestoreSnapshot();
  void UpdateUndoButtons();
  void ShowSnapshotStep();

  // The link to the unit.
  void BuildComMenu();
  void OpenComPort();
  void CloseComPort() { link_.Close(); }
  void PollReceive();
  void HandleMonitorReply(link::FrameView reply);
  void HandleTransferReply(link::FrameView reply);
  void ShowTransferEvent(link::TransferEvent event);
  void StartTransfer(link::TransferMode mode, TextEntry label);
  // Programs the image as it stands; the edit path has already committed the controls.
  void StartProgramming();
  void TransferIdleDisplay();
  void SetStatus(std::string_view text, ui::Colour colour);
  // link::TransferLink
  void SendFrame(const link::Frame& frame) override { link_.SendFrame(frame); }
  void UnitIdentified(const link::UnitInfoBlock& block) override;
  void RefreshImage() override;

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
  link::ComPortMap comPorts_;
  link::ComLink link_;
  link::BlockTransfer transfer_{*this};
  link::LiveState live_;
  std::uint8_t messageTicks_ = 0;
  std::uint32_t redrawFlags_ = 2;  // 1 repaint the graphs, 2 recompute their layout first
  std::string firmwareName_;       // the unit's program version, date and time
  std::string firmwareDate_;
  std::string firmwareTime_;
  bool refreshGuard_ = false;  // set while the image is copied into the controls
  bool bikeChanged_ = false;
  // A programming run was verified; its OK waits for the unit to say whether it is saving.
  bool saveReportDue_ = false;
  bool printing_ = false;
  bool testMode_ = false;
};

}  // namespace zarvell
