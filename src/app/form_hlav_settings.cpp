// The settings file and the image dump: read once at start-up, written once at shut-down.
#include <filesystem>
#include <system_error>

#include "app/form_hlav.h"
#include "app/image_dump.h"
#include "fileio/files.h"
#include "fileio/ini_file.h"

namespace zarvell {

using namespace design;
namespace {

constexpr int kPageCount = 4;
// Smaller than this, a window from a damaged settings file could not be found or used.
constexpr int kMinimumWidth = 200;
constexpr int kMinimumHeight = 150;

// The stored place and size, unless they would leave the window unusable: too small to see, or
// wholly off the screen (say, saved on a larger monitor). Then the design size, or the centred
// place, stands instead.
ui::Rect UsableWindowRect(const WindowSettings& stored, ui::Rect centred, ui::Size screen) {
  ui::Rect rect{stored.left, stored.top, stored.width, stored.height};
  if (rect.width < kMinimumWidth || rect.height < kMinimumHeight) {
    rect.width = centred.width;
    rect.height = centred.height;
  }
  const bool offScreen = rect.left >= screen.width || rect.top >= screen.height ||
                         rect.left + rect.width <= 0 || rect.top + rect.height <= 0;
  if (offScreen) {
    rect.left = (screen.width - rect.width) / 2;
    rect.top = (screen.height - rect.height) / 2;
  }
  return rect;
}

}  // namespace

// What the settings file holds, as the window stands now. Before the file is read these are
// also the defaults of the keys it lacks: the centred design size, the language and the page.
WindowSettings TFormHlav::CurrentSettings() const {
  const ui::Rect rect = controls_[FormHlav].rect;
  WindowSettings values;
  values.left = rect.left;
  values.top = rect.top;
  values.height = rect.height;
  values.width = rect.width;
  values.comPortIndex = link_.comLink().comPortIndex;
  values.autoPortIndex = link_.comLink().autoPortIndex;
  values.languageIndex = process_.languageIndex;
  values.file = texts_[CurrentFileName];
  values.iniDir = files_.lastDir();
  values.activePage = controls_[PageControl1].itemIndex;
  return values;
}

void TFormHlav::LoadSettings() {
  const ui::Rect centred = controls_[FormHlav].rect;
  WindowSettings values = CurrentSettings();
  ReadWindowSettings(IniFile::Load(paths_.settings), values);

  controls_.SetRect(FormHlav, UsableWindowRect(values, centred, host_.ScreenSize()));
  link_.comLink().comPortIndex = values.comPortIndex;
  link_.comLink().autoPortIndex = values.autoPortIndex;
  process_.languageIndex = values.languageIndex;
  texts_[CurrentFileName] = values.file;
  files_.SetLastDir(values.iniDir);
  // A page number that no page has leaves the page the design shows.
  if (values.activePage >= 0 && values.activePage < kPageCount) {
    controls_.SetItemIndex(PageControl1, values.activePage);
  }
  LoadImageDump(paths_.imageDump, image_);
}

void TFormHlav::SaveSettings() {
  // The folder may not exist on a first run; a failure here shows up as a failed write below,
  // which, like the dump, is not reported.
  std::error_code ignored;
  std::filesystem::create_directories(paths_.settings.parent_path(), ignored);
  IniFile ini = IniFile::Load(paths_.settings);
  WriteWindowSettings(ini, CurrentSettings());
  WriteTextFileAtomically(paths_.settings, ini.Serialize());
  SaveImageDump(paths_.imageDump, image_);
}

}  // namespace zarvell
