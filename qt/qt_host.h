// The window's host with Qt: message boxes, file dialogs, the keyboard and pointer, the screen,
// the desktop's document handler, image canvases, the clock, and modal second windows.
#pragma once

#include <QStringList>
#include <string_view>
#include <vector>

#include "qt/event_hub.h"
#include "qt/form_view.h"
#include "ui/form_host.h"
#include "ui/startup_messages.h"

class QDialog;

namespace zarvell::qt {

// "Ignition files (*.ign)|*.ign|All files|*.*" as Qt name filters:
// "Ignition files (*.ign)", "All files (*.*)".
QStringList NameFilters(std::string_view filter);

class QtHost final : public ui::FormHost {
 public:
  explicit QtHost(EventHub& hub) : hub_(hub) {}

  // The main window: the owner of the boxes, and of the image controls MovePointer names.
  void SetMainView(FormView* view) { main_ = view; }
  // Around the window's start-up: its informing boxes wait for the end, then come up over the
  // finished window.
  void BeginStartup() { startup_.Begin(); }
  void EndStartup();

  ui::MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                ui::MessageButtons buttons,
                                ui::MessageIcon icon = ui::MessageIcon::None) override;
  std::optional<std::string> OpenFileDialog(const ui::FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const ui::FileDialogRequest& request) override;
  ui::Modifiers KeyboardModifiers() override;
  void SetClipboardText(std::string_view text) override;
  std::string ClipboardText() override;
  void MovePointer(ui::ControlIndex control, ui::Point point) override;
  ui::Size ScreenSize() override;
  ui::Rect WorkArea() override;
  bool OpenDocument(std::string_view path) override;
  ui::Canvas& CanvasOf(const ui::ControlModel& form, ui::ControlIndex image) override;
  std::tm LocalTime() override;
  std::unique_ptr<ui::PrintJob> StartPrintJob(std::string_view setFile) override;
  void RequestClose() override;
  void ShowModalForm(ui::ControlModel& form, ui::FormEvents& events) override;
  void CloseModalForm() override;

 private:
  QWidget* Owner() const;
  std::optional<std::string> RunFileDialog(const ui::FileDialogRequest& request, bool save);

  EventHub& hub_;
  FormView* main_ = nullptr;
  std::vector<FormView*> modal_;  // the open modal windows, innermost last
  ui::StartupMessages startup_;
};

}  // namespace zarvell::qt
