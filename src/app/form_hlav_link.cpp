// The window's side of the link to the unit: the COM menu, opening the port, the replies of
// every tick, the start commands of read / verify / program, and the status label that
// follows a transfer to its end.
#include <cstdio>

#include "app/form_hlav.h"
#include "app/texts/window_texts.h"

namespace zarvell {

using namespace app;
using link::TransferEvent;
using link::TransferMode;

namespace {

constexpr std::uint8_t kMessageTicks = 200;
constexpr int kSaveSteps = 414;  // the unit's save countdown starts here
constexpr int kBlockGaugeMax = 2;
constexpr int kSaveGaugeMax = 100;

}  // namespace

void TFormHlav::BuildComMenu() {
  comPorts_ = link::ComPortMap::FromSettings(IniFile::Load(paths_.settings));
  // The menu keeps the COM numbers; the hint tells which device each one is here.
  for (int i = 0; i < link::ComLink::kComCount; ++i) {
    controls_.SetHint(Offset(MenuCom1, i), comPorts_.DevicePath(i + 1));
  }
}

void TFormHlav::MenuCom1Click(ui::ControlIndex entry) {
  link_.comPortIndex = static_cast<std::uint8_t>(entry - MenuCom1);
  CloseComPort();
  link_.quietReopen = false;
  OpenComPort();
}

void TFormHlav::OpenComPort() {
  controls_.SetCaption(LabelCom, "COM= COM" + std::to_string(link_.ComNumber()));
  controls_.SetHint(LabelCom, link_.DevicePath());
  if (!link_.Open() && !link_.quietReopen && !link_.automatic()) {
    host_.ShowMessage(texts_[MsgComOpenError], kProductName, ui::MessageButtons::Ok);
  }
  for (int i = 0; i < link::ComLink::kComCount; ++i) {
    controls_.SetChecked(Offset(MenuCom1, i), i == link_.comPortIndex);
  }
}

void TFormHlav::PollReceive() {
  const std::optional<link::FrameView> frame = link_.PollReceive();
  if (!frame) return;
  if ((*frame)[0] == link::code::kMonitorReply) {
    HandleMonitorReply(*frame);
  } else {
    HandleTransferReply(*frame);
  }
}

void TFormHlav::HandleMonitorReply(link::FrameView reply) {
  const std::optional<link::MonitorValues> values = link::DecodeMonitorReply(reply);
  if (!values) return;
  link_.ReplyAccepted();
  link::ShowMonitorValues(*values, image_, texts_, live_, controls_);
  saveReportDue_ = false;
}

void TFormHlav::HandleTransferReply(link::FrameView reply) {
  const TransferEvent event = transfer_.HandleReply(reply, image_);
  if (event != TransferEvent::Ignored) link_.ReplyAccepted();
  ShowTransferEvent(event);
}

void TFormHlav::SetStatus(std::string_view text, ui::Colour colour) {
  controls_.SetColour(LabelHlaseni, colour);
  controls_.SetCaption(LabelHlaseni, text);
  messageTicks_ = kMessageTicks;
}

void TFormHlav::ShowTransferEvent(TransferEvent event) {
  switch (event) {
    case TransferEvent::Ignored:
    case TransferEvent::None:
      return;
    case TransferEvent::NextBlock:
      controls_.SetPosition(CGaugeProgram, controls_[CGaugeProgram].position + 1);
      return;
    case TransferEvent::SwitchedToVerify:
      SetStatus(texts_[MsgVerifying] + ":", ui::Colour::ButtonFace());
      controls_.SetVisible(LabelHlaseni, true);
      controls_.SetPosition(CGaugeProgram, 0);
      return;
    case TransferEvent::VerifyOk:
      saveReportDue_ = transfer_.programDone();
      controls_.SetPosition(CGaugeProgram, controls_[CGaugeProgram].max);
      SetStatus(texts_[MsgVerifying] + ": OK", ui::Colour::ButtonFace());
      return;
    case TransferEvent::Failed: {
      const TransferMode failed = transfer_.failedMode();
      const TextEntry text = failed == TransferMode::Programming ? MsgProgramError
                             : failed == TransferMode::Verifying ? MsgVerifyError
                                                                 : MsgReadError;
      SetStatus(texts_[text], ui::kRed);
      return;
    }
    case TransferEvent::ReadRefused:
      SetStatus(texts_[MsgNoReading], ui::kRed);
      return;
    case TransferEvent::VersionMismatch: {
      char versions[32];
      std::snprintf(versions, sizeof versions, "  PC-%d, IGN-%d",
                    link::BlockTransfer::kProgramVersion,
                    transfer_.unitInfo()[link::unit_info::kVersion]);
      host_.ShowMessage(texts_[MsgVersionMismatch] + versions, kProductName,
                        ui::MessageButtons::Ok);
      // Ticks went on under the box; whatever they did, the run stays stopped.
      transfer_.Stop();
      messageTicks_ = 0;
      return;
    }
  }
}

void TFormHlav::StartTransfer(TransferMode mode, TextEntry label) {
  transfer_.Start(mode);
  saveReportDue_ = false;
  SetStatus(texts_[label], ui::Colour::ButtonFace());
  controls_.SetVisible(LabelHlaseni, true);
  controls_.SetPosition(CGaugeProgram, 0);
  controls_.SetVisible(CGaugeProgram, true);
}

void TFormHlav::MenuProgramClick() {
  CommitControls();
  Sanitize();
  ShowImage();
  StartTransfer(TransferMode::Programming, MsgProgramming);
}

void TFormHlav::MenuVerifyClick() {
  CommitControls();
  Sanitize();
  ShowImage();
  StartTransfer(TransferMode::Verifying, MsgVerifying);
}

void TFormHlav::MenuReadClick() {
  StartTransfer(TransferMode::Reading, MsgReading);
  // What comes from the unit is no longer the file that was open.
  texts_[CurrentFileName].clear();
  ShowWindowCaption(texts_, controls_);
}

void TFormHlav::StartProgramming() {
  StartTransfer(TransferMode::Programming, MsgProgramming);
}

// After a verification, the unit's save countdown and then the final OK of a programming run.
// The OK waits for the unit's first live report after the run: until then nobody knows whether
// it is still storing the set, and an OK followed by "Saving:" would claim too much too early.
void TFormHlav::TransferIdleDisplay() {
  if (live_.saveCountdown != 0) {
    SetStatus(texts_[MsgSaving], ui::Colour::ButtonFace());
    controls_.SetRange(CGaugeProgram, 0, kSaveGaugeMax);
    controls_.SetPosition(CGaugeProgram,
                          kSaveGaugeMax * (kSaveSteps - live_.saveCountdown) / kSaveSteps);
    return;
  }
  controls_.SetRange(CGaugeProgram, 0, kBlockGaugeMax);
  if (transfer_.programDone() && !saveReportDue_) {
    controls_.SetCaption(LabelHlaseni, texts_[MsgProgramming] + ": OK");
    controls_.SetPosition(CGaugeProgram, kBlockGaugeMax);
  }
}

void TFormHlav::UnitIdentified(const link::UnitInfoBlock& block) {
  link::UnitInfo info = link::DecodeUnitInfo(block);
  firmwareName_ = std::move(info.name);
  firmwareDate_ = std::move(info.date);
  firmwareTime_ = std::move(info.time);
}

void TFormHlav::RefreshImage() {
  Sanitize();
  ShowImage();
}

}  // namespace zarvell
