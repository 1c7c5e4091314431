#include "app/form_hlav.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "app/manuals.h"
#include "app/pictures.h"
#include "app/test_marker.h"
#include "design/texts/window_texts.h"
#include "fileio/files.h"
#include "fileio/paths.h"
#include "mapedit/live_highlight.h"
#include "params/bindings.h"
#include "params/presets.h"

namespace zarvell {

using namespace design;

TFormHlav::TFormHlav(ProcessState& process, ui::FormHost& host, link::SerialPort& port,
                     ConfigPaths paths)
    : process_(process),
      host_(host),
      paths_(std::move(paths)),
      controls_(NewMainControls()),
      about_(process, host),
      link_({controls_, host_, texts_, set_.image, status_, *this}, port),
      map_({controls_, host_, texts_, set_.image, link_.live(), *this}),
      view3d_({controls_, host_, set_.image, link_.live(), map_.selection(), redrawFlags_}),
      graph_({controls_, host_, set_.image, link_.live(), *this, map_, view3d_, redrawFlags_,
              process_.wheelGuard}),
      files_({controls_, host_, texts_, set_.image, process_.ignReader, status_, *this},
             paths_.exeDirFile),
      printer_({controls_, host_, texts_, process_.languageIndex, *this}) {}

void TFormHlav::FormCreate(std::span<const std::string> args) {
  link::ComLink& com = link_.comLink();
  link_.BuildComMenu(paths_.settings);
  com.comPortIndex = 1;
  set_.Replace(DefaultImage(kStartupBike));

  // Centred in the screen's part free of panels; LoadSettings fits it there.
  const ui::Rect area = host_.WorkArea();
  ui::Rect rect = controls_[FormHlav].rect;
  rect.left = area.left + (area.width - rect.width) / 2;
  rect.top = area.top + (area.height - rect.height) / 2;
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
  com.silentTicks = link::ComLink::kSilentLimit;
  Sanitize();
  LoadMessages(texts_, process_.languageIndex, controls_);
  ShowImage();
  InitHistory();
  link_.OpenComPort();
  ApplyCaptions(texts_, process_.languageIndex, controls_);
  // The captions replace the list entries, which drops their selections.
  ShowImage();

  status_.Hide();
  controls_.SetRange(CGaugeProgram, 0, 2);
  controls_.SetVisible(LabelEeDataErr, false);
  controls_.SetVisible(LabelVersion, false);
  testMode_ = ReadTestMarker(paths_.testMarker);
  for (int i = 0; i < 8; ++i) controls_.SetVisible(Offset(LabelTest1, i), testMode_);
  about_.FormCreate();
  ApplyViewRules();
}

void TFormHlav::FormClose() {
  link_.CloseComPort();
  CommitControls();
  Sanitize();
  SaveSettings();
}

void TFormHlav::Timer1Timer() {
  link_.PollReceive();
  graph_.GraphTimerStep();
  link_.TransferStep();
  if (!status_.Countdown(printing_)) link_.MessageExpired();
  link_.Watchdog(printing_);
  link::LiveState& live = link_.live();
  link::FindOperatingPoint(set_.image, controls_[CheckBoxTpsMapa].checked, live);
  HighlightOperatingPoint(live, controls_);
}

void TFormHlav::Sanitize() {
  link::ComLink& com = link_.comLink();
  set_.Validate(process_.axis);
  ClampApplicationIndices({process_.languageIndex, com.comPortIndex, com.autoPortIndex});
}

void TFormHlav::SwitchLanguage(std::uint8_t language) {
  process_.languageIndex = language;
  ApplyCaptions(texts_, process_.languageIndex, controls_);
  ShowImage();
}

// The manual in the working folder first, then in the program's own folders. One found but
// refused names its place, since the user can open it by other means; one found nowhere is
// still offered to the desktop by name, which reports it as not opened.
void TFormHlav::MenuContensClick() {
  const std::string& name = texts_[ManualFileName];
  std::error_code error;
  std::vector<std::filesystem::path> folders{std::filesystem::current_path(error)};
  folders.insert(folders.end(), paths_.manualDirs.begin(), paths_.manualDirs.end());
  const std::optional<std::filesystem::path> manual = FindManual(name, folders);
  if (host_.OpenDocument(manual ? Utf8Of(*manual) : name)) return;
  const std::string text =
      manual ? NoPdfViewerText(process_.languageIndex, *manual) : texts_[MsgManualOpenError];
  host_.ShowMessage(text, kProductName, ui::MessageButtons::Ok);
}

}  // namespace zarvell
