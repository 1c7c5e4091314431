// The settings file and the image dump: read once at start-up, written once at shut-down.
#include <filesystem>
#include <system_error>

#include "app/form_hlav.h"
#include "app/image_dump.h"
#include "app/window_place.h"
#include "fileio/files.h"
#include "fileio/ini_file.h"

namespace zarvell {

using namespace design;
namespace {

constexpr int kPageCount = 4;

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

  controls_.SetRect(FormHlav,
                    UsableWindowRect({values.left, values.top, values.width, values.height},
                                     {centred.width, centred.height}, host_.WorkArea()));
  link_.comLink().comPortIndex = values.comPortIndex;
  link_.comLink().autoPortIndex = values.autoPortIndex;
  process_.languageIndex = values.languageIndex;
  texts_[CurrentFileName] = values.file;
  files_.SetLastDir(values.iniDir);
  // A page number that no page has leaves the page the design shows.
  if (values.activePage >= 0 && values.activePage < kPageCount) {
    controls_.SetItemIndex(PageControl1, values.activePage);
  }
  LoadImageDump(paths_.imageDump, set_.image);
}

void TFormHlav::SaveSettings() {
  // The folder may not exist on a first run; a failure here shows up as a failed write below,
  // which, like the dump, is not reported.
  std::error_code ignored;
  std::filesystem::create_directories(paths_.settings.parent_path(), ignored);
  IniFile ini = IniFile::Load(paths_.settings);
  WriteWindowSettings(ini, CurrentSettings());
  WriteTextFileAtomically(paths_.settings, ini.Serialize());
  SaveImageDump(paths_.imageDump, set_.image);
}

}  // namespace zarvell
