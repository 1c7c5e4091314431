// The window's parameter files: Open and Save, their exe-dir variants and tool buttons, the two
// file dialogs with what they remember between uses, and the caption that names the file.
#pragma once

#include <filesystem>
#include <string>

#include "app/edit_path.h"
#include "app/status_line.h"
#include "design/texts/text_table.h"
#include "fileio/paths.h"
#include "params/ign_file.h"
#include "params/image.h"
#include "ui/control_model.h"
#include "ui/form_host.h"

namespace zarvell {

class FilePanel final : private IgnMessageSink {
 public:
  struct Parts {
    ui::ControlModel& controls;
    ui::FormHost& host;
    TextTable& texts;
    ParameterImage& image;
    IgnReaderState& reader;
    StatusLine& status;
    EditPath& edits;
  };
  // `exeDirFile` is the file both exe-dir commands start their dialogs at.
  FilePanel(Parts parts, const std::filesystem::path& exeDirFile)
      : parts_(parts), exeDirFile_(Utf8Of(exeDirFile)) {}

  // A click on one of the panel's controls; false for any other control.
  bool OnClick(ui::ControlIndex id);
  // With Ctrl held, the tool buttons start at the exe-dir file; the menu items never do.
  void SpeedButtonOpenClick();
  void SpeedButtonSaveClick();
  void MenuOpenClick() { Open(); }
  void MenuSaveClick() { Save(); }
  void MenuOpenExeDirClick();
  void MenuSaveExeDirClick();

  // The folder both dialogs start in: from the settings at start-up, then the last one used.
  const std::string& lastDir() const { return lastDir_; }
  void SetLastDir(std::string dir) { lastDir_ = std::move(dir); }

 private:
  void Open();
  void Save();
  void StartAtExeDirFile();
  // A file opened or saved: it names the window and its folder is the dialogs' next start.
  void Remember(const std::string& path);
  void ShowFileError();
  void Show(IgnMessage message) override;

  Parts parts_;
  std::string exeDirFile_;
  std::string lastDir_;
  std::string openName_;  // the name each dialog proposes
  std::string saveName_;
  bool readerSpoke_ = false;  // the reader showed a message about the file being opened
};

}  // namespace zarvell
