#include "app/link_panel.h"

#include "app/live_values.h"
#include "design/main_controls.h"
#include "fileio/ini_file.h"
#include "link/unit_info.h"

namespace zarvell {

using namespace design;
using link::TransferEvent;
using link::TransferMode;

namespace {

constexpr int kSaveSteps = 414;  // the unit's save countdown starts here
constexpr int kBlockGaugeMax = 2;
constexpr int kSaveGaugeMax = 100;

}  // namespace

LinkPanel::LinkPanel(Parts parts, link::SerialPort& port) : parts_(parts), link_(port, comPorts_) {}

bool LinkPanel::OnClick(ui::ControlIndex id) {
  if (id >= MenuCom1 && id <= MenuCom31) {
    MenuCom1Click(id);
    return true;
  }
  switch (id) {
    case MenuRead:
    case ButtonRead:
      MenuReadClick();
      return true;
    case MenuVerify:
    case BitBtnVerify:
      MenuVerifyClick();
      return true;
    case MenuProgram:
    case BitBtnProgram:
      MenuProgramClick();
      return true;
    default:
      return false;
  }
}

void LinkPanel::BuildComMenu(const std::filesystem::path& settings) {
  comPorts_ = link::ComPortMap::FromSettings(IniFile::Load(settings));
  // The menu keeps the COM numbers; the hint tells which device each one is here.
  for (int i = 0; i < link::ComLink::kComCount; ++i) {
    parts_.controls.SetHint(Offset(MenuCom1, i), comPorts_.DevicePath(i + 1));
  }
}

void LinkPanel::MenuCom1Click(ui::ControlIndex entry) {
  link_.comPortIndex = static_cast<std::uint8_t>(entry - MenuCom1);
  CloseComPort();
  link_.quietReopen = false;
  OpenComPort();
}

void LinkPanel::OpenComPort() {
  ui::ControlModel& c = parts_.controls;
  c.SetCaption(LabelCom, "COM= COM" + std::to_string(link_.ComNumber()));
  c.SetHint(LabelCom, link_.DevicePath());
  if (!link_.Open() && !link_.quietReopen && !link_.automatic()) {
    parts_.host.ShowMessage(parts_.texts[MsgComOpenError], kProductName, ui::MessageButtons::Ok);
  }
  for (int i = 0; i < link::ComLink::kComCount; ++i) {
    c.SetChecked(Offset(MenuCom1, i), i == link_.comPortIndex);
  }
}

void LinkPanel::TransferStep() {
  if (transfer_.mode() != TransferMode::Idle) {
    ShowTransferEvent(transfer_.Step(parts_.image));
  } else {
    if (transfer_.MonitorDue()) link_.SendFrame(link::BuildFrame(link::code::kMonitor));
    TransferIdleDisplay();
  }
}

void LinkPanel::Watchdog(bool printing) {
  ui::ControlModel& c = parts_.controls;
  const link::ComLink::WatchdogResult watchdog = link_.Watchdog();
  // Silent after a verified programming run, before it reported its save done: the run ends
  // unconfirmed rather than with an OK, or with a "Saving:" that lasts until it runs out.
  if (watchdog.lost && transfer_.programDone() && (saveReportDue_ || live_.saveCountdown != 0)) {
    transfer_.ClearProgramDone();
    saveReportDue_ = false;
    live_.saveCountdown = 0;
    parts_.status.Show(parts_.texts[MsgSaveNotConfirmed], ui::kRed);
    c.SetVisible(CGaugeProgram, false);
  }
  if (watchdog.reopenDue) OpenComPort();
  c.SetVisible(LabelSpojeni, watchdog.lost && !printing);
  // A version warning means nothing while there is no link.
  if (c[LabelSpojeni].visible) c.SetVisible(LabelVersion, false);
}

void LinkPanel::PollReceive() {
  const std::optional<link::FrameView> frame = link_.PollReceive();
  if (!frame) return;
  if ((*frame)[0] == link::code::kMonitorReply) {
    HandleMonitorReply(*frame);
  } else {
    HandleTransferReply(*frame);
  }
}

void LinkPanel::HandleMonitorReply(link::FrameView reply) {
  const std::optional<link::MonitorValues> values = link::DecodeMonitorReply(reply);
  if (!values) return;
  link_.ReplyAccepted();
  ShowMonitorValues(*values, parts_.image, parts_.texts, live_, parts_.controls);
  saveReportDue_ = false;
}

void LinkPanel::HandleTransferReply(link::FrameView reply) {
  const TransferEvent event = transfer_.HandleReply(reply, parts_.image);
  if (event != TransferEvent::Ignored) link_.ReplyAccepted();
  ShowTransferEvent(event);
}

void LinkPanel::ShowTransferEvent(TransferEvent event) {
  ui::ControlModel& c = parts_.controls;
  const TextTable& texts = parts_.texts;
  StatusLine& status = parts_.status;
  switch (event) {
    case TransferEvent::Ignored:
    case TransferEvent::None:
      return;
    case TransferEvent::NextBlock:
      c.SetPosition(CGaugeProgram, c[CGaugeProgram].position + 1);
      return;
    case TransferEvent::SwitchedToVerify:
      status.Show(texts[MsgVerifying] + ":", ui::Colour::ButtonFace());
      c.SetVisible(LabelHlaseni, true);
      c.SetPosition(CGaugeProgram, 0);
      return;
    case TransferEvent::VerifyOk:
      saveReportDue_ = transfer_.programDone();
      c.SetPosition(CGaugeProgram, c[CGaugeProgram].max);
      status.Show(texts[MsgVerifying] + ": OK", ui::Colour::ButtonFace());
      return;
    case TransferEvent::Failed: {
      const TransferMode failed = transfer_.failedMode();
      const TextEntry text = failed == TransferMode::Programming ? MsgProgramError
                             : failed == TransferMode::Verifying ? MsgVerifyError
                                                                 : MsgReadError;
      status.Show(texts[text], ui::kRed);
      return;
    }
    case TransferEvent::ReadRefused:
      status.Show(texts[MsgNoReading], ui::kRed);
      return;
    case TransferEvent::VersionMismatch:
      parts_.host.ShowMessage(
          texts[MsgVersionMismatch] +
              link::VersionsText(transfer_.unitInfo()[link::unit_info::kVersion]),
          kProductName, ui::MessageButtons::Ok);
      // Ticks went on under the box; whatever they did, the run stays stopped.
      transfer_.Stop();
      status.Expire();
      return;
  }
}

void LinkPanel::StartTransfer(TransferMode mode, TextEntry label) {
  ui::ControlModel& c = parts_.controls;
  transfer_.Start(mode);
  saveReportDue_ = false;
  parts_.status.Show(parts_.texts[label], ui::Colour::ButtonFace());
  c.SetVisible(LabelHlaseni, true);
  c.SetPosition(CGaugeProgram, 0);
  c.SetVisible(CGaugeProgram, true);
}

void LinkPanel::MenuProgramClick() {
  parts_.edits.CommitForTransfer();
  StartTransfer(TransferMode::Programming, MsgProgramming);
}

void LinkPanel::MenuVerifyClick() {
  parts_.edits.CommitForTransfer();
  StartTransfer(TransferMode::Verifying, MsgVerifying);
}

void LinkPanel::MenuReadClick() {
  StartTransfer(TransferMode::Reading, MsgReading);
  parts_.edits.ForgetFileName();
}

void LinkPanel::StartProgramming() {
  StartTransfer(TransferMode::Programming, MsgProgramming);
}

// After a verification, the unit's save countdown and then the final OK of a programming run.
// The OK waits for the unit's first live report after the run: until then nobody knows whether
// it is still storing the set, and an OK followed by "Saving:" would claim too much too early.
void LinkPanel::TransferIdleDisplay() {
  ui::ControlModel& c = parts_.controls;
  if (live_.saveCountdown != 0) {
    parts_.status.Show(parts_.texts[MsgSaving], ui::Colour::ButtonFace());
    c.SetRange(CGaugeProgram, 0, kSaveGaugeMax);
    c.SetPosition(CGaugeProgram, kSaveGaugeMax * (kSaveSteps - live_.saveCountdown) / kSaveSteps);
    return;
  }
  c.SetRange(CGaugeProgram, 0, kBlockGaugeMax);
  if (transfer_.programDone() && !saveReportDue_) {
    c.SetCaption(LabelHlaseni, parts_.texts[MsgProgramming] + ": OK");
    c.SetPosition(CGaugeProgram, kBlockGaugeMax);
  }
}

void LinkPanel::UnitIdentified(const link::UnitInfoBlock& block) {
  link::UnitInfo info = link::DecodeUnitInfo(block);
  firmwareName_ = std::move(info.name);
  firmwareDate_ = std::move(info.date);
  firmwareTime_ = std::move(info.time);
}

}  // namespace zarvell
