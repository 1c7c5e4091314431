// The window's side of the link to the unit: the COM menu and opening the port, the replies of
// every tick, the start commands of read / verify / program, the watchdog's labels, and the
// status line that follows a transfer to its end. It owns the link's state; the window hands
// it the controls it writes and the edit path it runs.
#pragma once

#include <filesystem>
#include <string>

#include "app/edit_path.h"
#include "app/status_line.h"
#include "design/texts/text_table.h"
#include "link/block_transfer.h"
#include "link/com_link.h"
#include "link/com_ports.h"
#include "link/operating_point.h"
#include "link/serial_port.h"
#include "params/image.h"
#include "params/view_rules.h"
#include "ui/control_model.h"
#include "ui/form_host.h"

namespace zarvell {

class LinkPanel final : private link::TransferLink {
 public:
  struct Parts {
    ui::ControlModel& controls;
    ui::FormHost& host;
    const TextTable& texts;
    ParameterImage& image;
    StatusLine& status;
    EditPath& edits;
  };
  LinkPanel(Parts parts, link::SerialPort& port);

  // A click on one of the panel's controls; false for any other control.
  bool OnClick(ui::ControlIndex id);
  void MenuCom1Click(ui::ControlIndex entry);
  void MenuProgramClick();
  void MenuVerifyClick();
  void MenuReadClick();
  // Programs the image as it stands; the edit path has already committed the controls.
  void StartProgramming();

  // The COM menu with each entry's device (the settings' [PORTS] may move them).
  void BuildComMenu(const std::filesystem::path& settings);
  void OpenComPort();
  void CloseComPort() { link_.Close(); }

  // The tick's first step: a complete reply taken.
  void PollReceive();
  // After the graphs: the transfer's next send, or the monitor request and the display of a
  // finished run.
  void TransferStep();
  // The status message ran out: a finished programming run is forgotten.
  void MessageExpired() { transfer_.ClearProgramDone(); }
  // The tick's watchdog: the lost-link label, and the port re-opened when it is due.
  void Watchdog(bool printing);

  link::ComLink& comLink() { return link_; }
  const link::ComLink& comLink() const { return link_; }
  const link::BlockTransfer& transfer() const { return transfer_; }
  link::LiveState& live() { return live_; }
  const link::LiveState& live() const { return live_; }
  UnitVersionTexts unitTexts() const { return {firmwareName_, firmwareDate_, firmwareTime_}; }

 private:
  void HandleMonitorReply(link::FrameView reply);
  void HandleTransferReply(link::FrameView reply);
  void ShowTransferEvent(link::TransferEvent event);
  void StartTransfer(link::TransferMode mode, TextEntry label);
  void TransferIdleDisplay();
  // link::TransferLink
  void SendFrame(const link::Frame& frame) override { link_.SendFrame(frame); }
  void UnitIdentified(const link::UnitInfoBlock& block) override;
  void RefreshImage(Refresh what) override {
    if (what == Refresh::NewSet) parts_.edits.ForgetPreviousSet();
    parts_.edits.ShowArrivedImage();
  }

  Parts parts_;
  link::ComPortMap comPorts_;
  link::ComLink link_;
  link::BlockTransfer transfer_{*this};
  link::LiveState live_;
  std::string firmwareName_;  // the unit's program version, date and time
  std::string firmwareDate_;
  std::string firmwareTime_;
  // A programming run was verified; its OK waits for the unit to say whether it is saving.
  bool saveReportDue_ = false;
};

}  // namespace zarvell
