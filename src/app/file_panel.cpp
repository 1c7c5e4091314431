#include "app/file_panel.h"

#include <system_error>

#include "design/main_controls.h"
#include "design/texts/window_texts.h"
#include "fileio/files.h"
#include "fileio/paths.h"

namespace zarvell {

using namespace design;

namespace {

constexpr char kOpenFilter[] = "Ignition Parametrs(*.ign)|*.ign|All Files (*.*)|*.*";
constexpr char kSaveFilter[] = "Ignition Parametrs(*.ign)|*.ign";
constexpr char kExtension[] = "ign";

// The caption names the file by its full path, whatever the dialog returned.
std::string FullPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(path), error);
  return error ? path : Utf8Of(absolute.lexically_normal());
}

}  // namespace

bool FilePanel::OnClick(ui::ControlIndex id) {
  switch (id) {
    case MenuOpen:
      MenuOpenClick();
      return true;
    case SpeedButtonOpen:
      SpeedButtonOpenClick();
      return true;
    case MenuOpenExeDir:
      MenuOpenExeDirClick();
      return true;
    case MenuSave:
      MenuSaveClick();
      return true;
    case SpeedButtonSave:
      SpeedButtonSaveClick();
      return true;
    case MenuSaveExeDir:
      MenuSaveExeDirClick();
      return true;
    default:
      return false;
  }
}

void FilePanel::SpeedButtonOpenClick() {
  if (parts_.host.KeyboardModifiers().ctrl) StartAtExeDirFile();
  Open();
}

void FilePanel::SpeedButtonSaveClick() {
  if (parts_.host.KeyboardModifiers().ctrl) StartAtExeDirFile();
  Save();
}

void FilePanel::MenuOpenExeDirClick() {
  StartAtExeDirFile();
  Open();
}

void FilePanel::MenuSaveExeDirClick() {
  StartAtExeDirFile();
  Save();
}

void FilePanel::StartAtExeDirFile() {
  openName_ = exeDirFile_;
  saveName_ = exeDirFile_;
}

void FilePanel::Open() {
  const std::optional<std::string> chosen =
      parts_.host.OpenFileDialog({lastDir_, openName_, kOpenFilter, kExtension});
  if (chosen) {
    openName_ = *chosen;
    const std::string path = FullPath(*chosen);
    // Only a regular file: a pipe would block the window and a device never end.
    std::error_code error;
    const std::optional<std::string> text =
        std::filesystem::is_regular_file(PathFromUtf8(path), error)
            ? ReadWholeFile(PathFromUtf8(path))
            : std::nullopt;
    readerSpoke_ = false;
    if (!text) {
      ShowFileError();
    } else if (ReadIgnFile(*text, parts_.image, parts_.reader, *this) != 0) {
      parts_.edits.AfterNewSet();
      Remember(path);
      saveName_ = path;
    } else if (!readerSpoke_) {
      // No parameter set (a text, random bytes): it has left the image alone, and the window
      // keeps its set, file name and caption, but says that nothing was opened. A set of an
      // unknown format has had its own message.
      ShowFileError();
    }
  }
  parts_.status.Hide();
}

void FilePanel::Save() {
  const std::optional<std::string> chosen =
      parts_.host.SaveFileDialog({lastDir_, saveName_, kSaveFilter, kExtension});
  if (!chosen) return;
  saveName_ = *chosen;
  const std::string path = FullPath(*chosen);
  // The file gets exactly what the window shows after validation.
  parts_.edits.CommitForTransfer();
  // Replaced whole or not at all: a failed write keeps the previous file, and the window keeps
  // naming the file it named.
  if (!WriteTextFileAtomically(PathFromUtf8(path), WriteIgnFile(parts_.image))) {
    return ShowFileError();
  }
  Remember(path);
  openName_ = path;
}

void FilePanel::Remember(const std::string& path) {
  parts_.texts[CurrentFileName] = path;
  ShowWindowCaption(parts_.texts, parts_.controls);
  lastDir_ = Utf8Of(PathFromUtf8(path).parent_path());
}

void FilePanel::ShowFileError() {
  parts_.host.ShowMessage(parts_.texts[MsgFileOpenError], kProductName, ui::MessageButtons::Ok);
}

void FilePanel::Show(IgnMessage message) {
  readerSpoke_ = true;
  const TextEntry text =
      message == IgnMessage::OlderFormat ? MsgOlderIgnFile : MsgIgnVersionMismatch;
  parts_.host.ShowMessage(parts_.texts[text], kProductName, ui::MessageButtons::Ok);
}

}  // namespace zarvell
