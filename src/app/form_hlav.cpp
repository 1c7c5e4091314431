#include "app/form_hlav.h"

#include <algorithm>

#include "app/design/main_design.h"
#include "app/pictures.h"
#include "app/test_marker.h"
#include "app/texts/window_texts.h"
#include "fileio/files.h"
#include "params/presets.h"

namespace zarvell {

using namespace app;

TFormHlav::TFormHlav(ProcessState& process, ui::FormHost& host, link::SerialPort& port,
                     ConfigPaths paths)
    : process_(process),
      host_(host),
      paths_(std::move(paths)),
      controls_(NewMainControls()),
      about_(process, host),
      link_(port, comPorts_) {
  ResetAxisMemory(axisMemory_);
}

void TFormHlav::FormCreate(std::span<const std::string> args) {
  BuildComMenu();
  link_.comPortIndex = 1;
  image_.block[field::BIKE] = 20;
  bool bikeChanged = false;
  LoadDefaults(image_, bikeChanged);

  const ui::Size screen = host_.ScreenSize();
  ui::Rect rect = controls_[FormHlav].rect;
  rect.left = (screen.width - rect.width) / 2;
  rect.top = (screen.height - rect.height) / 2;
  controls_.SetRect(FormHlav, rect);

  ui::Canvas& graph = host_.CanvasOf(controls_, GrafAdv);
  graph.SetPen({ui::kWhite, 1, ui::Pen::Style::Solid});
  graph.SetBrush({ui::kWhite, ui::Brush::Style::Solid});
  graph.Rectangle(0, 0, graph.SurfaceSize().width, graph.SurfaceSize().height);
  graph.Flush();
  DrawEmblem(host_.CanvasOf(controls_, Image2));
  DrawEmblem(host_.CanvasOf(controls_, Image1));
  DrawThrottle(host_.CanvasOf(controls_, Image3));

  RemoveLeftoverTempFiles(paths_.settings.parent_path());
  LoadSettings();
  if (!args.empty()) {
    static constexpr std::string_view kLanguageWords[] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
    const auto* match = std::find(std::begin(kLanguageWords), std::end(kLanguageWords), args[0]);
    if (match != std::end(kLanguageWords)) {
      process_.languageIndex = static_cast<std::uint8_t>(match - std::begin(kLanguageWords));
    }
  }
  // The first tick already finds the link silent.
  link_.silentTicks = link::ComLink::kSilentLimit;
  Sanitize();
  LoadMessages(texts_, process_.languageIndex, controls_);
  ShowImage();
  InitHistory();
  OpenComPort();
  ApplyCaptions(texts_, process_.languageIndex, controls_);
  // The captions replace the list entries, which drops their selections.
  ShowImage();

  controls_.SetVisible(LabelHlaseni, false);
  controls_.SetVisible(CGaugeProgram, false);
  controls_.SetRange(CGaugeProgram, 0, 2);
  controls_.SetVisible(LabelEeDataErr, false);
  controls_.SetVisible(LabelVersion, false);
  testMode_ = ReadTestMarker(paths_.testMarker);
  for (int i = 0; i < 8; ++i) controls_.SetVisible(Offset(LabelTest1, i), testMode_);
  about_.FormCreate();
  ApplyViewRules();
}

void TFormHlav::FormClose() {
  CloseComPort();
  CommitControls();
  Sanitize();
  SaveSettings();
}

void TFormHlav::Timer1Timer() {
  PollReceive();
  if (transfer_.mode() != link::TransferMode::Idle) {
    ShowTransferEvent(transfer_.Step(image_));
  } else {
    if (transfer_.MonitorDue()) link_.SendFrame(link::BuildFrame(link::code::kMonitor));
    TransferIdleDisplay();
  }
  if (messageTicks_ > 0) {
    --messageTicks_;
    controls_.SetVisible(LabelHlaseni, !printing_);
  } else {
    controls_.SetVisible(LabelHlaseni, false);
    controls_.SetVisible(CGaugeProgram, false);
    transfer_.ClearProgramDone();
  }
  const link::ComLink::WatchdogResult watchdog = link_.Watchdog();
  if (watchdog.reopenDue) OpenComPort();
  controls_.SetVisible(LabelSpojeni, watchdog.lost && !printing_);
  // A version warning means nothing while there is no link.
  if (controls_[LabelSpojeni].visible) controls_.SetVisible(LabelVersion, false);
  link::HighlightOperatingPoint(image_, live_, controls_);
}

void TFormHlav::Sanitize() {
  SanitizeImage(image_, axisMemory_, process_.axis,
                {process_.languageIndex, link_.comPortIndex, link_.autoPortIndex});
}

void TFormHlav::SwitchLanguage(std::uint8_t language) {
  process_.languageIndex = language;
  ApplyCaptions(texts_, process_.languageIndex, controls_);
  ShowImage();
}

void TFormHlav::MenuEnglishClick() {
  SwitchLanguage(0);
}
void TFormHlav::MenuGermanClick() {
  SwitchLanguage(1);
}
void TFormHlav::MenuFrenchClick() {
  SwitchLanguage(2);
}
void TFormHlav::MenuCzechClick() {
  SwitchLanguage(3);
}
void TFormHlav::MenuExitClick() {
  host_.RequestClose();
}
void TFormHlav::MenuAboutClick() {
  about_.ShowModal();
}

void TFormHlav::MenuContensClick() {
  if (!host_.OpenDocument(texts_[ManualFileName])) {
    host_.ShowMessage(texts_[MsgManualOpenError], kProductName, ui::MessageButtons::Ok);
  }
}

}  // namespace zarvell
