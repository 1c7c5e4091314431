// A FormHost without a screen: message boxes take queued answers and are written down,
// dialogs take queued paths, image controls draw on recording canvases, and the printer keeps
// a copy of every window it is given. Used by the tests and by `zarvell-cli play`.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control_model.h"
#include "ui/form_host.h"
#include "ui/recording_canvas.h"

namespace zarvell::ui {

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageAnswer answer = MessageAnswer::Ok;
  MessageIcon icon = MessageIcon::None;
};

struct ShownDialog {
  bool save = false;
  FileDialogRequest request;
};

class ScriptedHost final : public FormHost {
 public:
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageIcon icon = MessageIcon::None) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  Modifiers KeyboardModifiers() override { return modifiers_; }
  void SetClipboardText(std::string_view text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }
  void MovePointer(ControlIndex control, Point point) override;
  Size ScreenSize() override { return screen_; }
  // The whole screen unless a test set a smaller area.
  Rect WorkArea() override {
    return workArea_.width > 0 ? workArea_ : Rect{0, 0, screen_.width, screen_.height};
  }
  bool OpenDocument(std::string_view path) override;
  Canvas& CanvasOf(const ControlModel& form, ControlIndex image) override;
  std::tm LocalTime() override { return clock_; }
  std::unique_ptr<PrintJob> StartPrintJob(std::string_view setFile) override;
  void RequestClose() override { closeRequested_ = true; }
  // Shows the form (OnShow) and returns at once, as if the user closed it straight away.
  void ShowModalForm(ControlModel& form, FormEvents& events) override;
  void CloseModalForm() override {}

  // Script side. With no answer queued, a question gets Cancel and a message OK; with no path
  // queued, a dialog is cancelled. A queued path without an extension gets the dialog's
  // default one, as a name typed into a real dialog does.
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  void QueuePath(std::string path) { paths_.emplace_back(std::move(path)); }
  void QueueCancel() { paths_.emplace_back(std::nullopt); }
  void SetModifiers(Modifiers modifiers) { modifiers_ = modifiers; }
  void SetScreenSize(Size size) { screen_ = size; }
  void SetWorkArea(Rect area) { workArea_ = area; }
  void SetLocalTime(const std::tm& time) { clock_ = time; }
  void SetOpenDocumentResult(bool ok) { openDocumentResult_ = ok; }
  // The printer fails on the N-th sheet it is given in the run, counted from 1 (0: never).
  void FailPrinterOnSheet(int sheet) { failingSheet_ = sheet; }
  // Called as each sheet goes to the printer, with the window laid out for it: a renderer under
  // test shows the sheet then, as a real print job does.
  std::function<void()> onSheet;

  const std::vector<ShownMessage>& messages() const { return messages_; }
  const std::vector<ShownDialog>& dialogs() const { return dialogs_; }
  // The window as each sheet went to the printer.
  const std::vector<ControlModel>& sheets() const { return sheets_; }
  const std::vector<std::string>& openedDocuments() const { return opened_; }
  const std::vector<std::pair<ControlIndex, Point>>& pointerMoves() const { return moves_; }
  RecordingCanvas* FindCanvas(const ControlModel& form, ControlIndex image);
  bool closeRequested() const { return closeRequested_; }
  int modalFormsShown() const { return modalFormsShown_; }

 private:
  class Printer;
  std::optional<std::string> NextPath(const FileDialogRequest& request, bool save);

  bool closeRequested_ = false;
  int modalFormsShown_ = 0;
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> paths_;
  Modifiers modifiers_;
  std::string clipboard_;
  Size screen_{1280, 1024};
  Rect workArea_;  // none set: the whole screen
  std::tm clock_{};
  bool openDocumentResult_ = false;
  std::vector<ShownMessage> messages_;
  std::vector<ShownDialog> dialogs_;
  std::vector<ControlModel> sheets_;
  int failingSheet_ = 0;
  int sheetsTried_ = 0;
  std::vector<std::string> opened_;
  std::vector<std::pair<ControlIndex, Point>> moves_;
  std::map<std::pair<const ControlModel*, ControlIndex>, std::unique_ptr<RecordingCanvas>>
      canvases_;
};

}  // namespace zarvell::ui
