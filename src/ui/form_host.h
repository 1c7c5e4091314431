// What only a real toolkit can do for a window: modal boxes and dialogs, the keyboard's
// modifier state, the pointer, the screen, documents, drawing surfaces and the clock. The Qt
// program implements it with widgets; tests and the command line with a scripted host.
#pragma once

#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/canvas.h"
#include "ui/control.h"

namespace zarvell::ui {

class ControlModel;
class FormEvents;

enum class MessageButtons : std::uint8_t { Ok, YesNoCancel };
enum class MessageAnswer : std::uint8_t { Ok, Yes, No, Cancel };
enum class MessageIcon : std::uint8_t { None, Error };

struct FileDialogRequest {
  std::string initialDir;
  std::string fileName;          // proposed name
  std::string filter;            // "Ignition files (*.ign)|*.ign"
  std::string defaultExtension;  // "ign"
};

// One print command's sheets on the default printer: each the client area of a window, scaled
// to fit one page.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // Throws std::runtime_error, with a message for the user, when the printer fails.
  virtual void PrintSheet(const ControlModel& form) = 0;
  // Ends the job. Where the sheets went when that is a file rather than a printer (a machine
  // without a printer), else empty. Throws like PrintSheet.
  virtual std::string Finish() = 0;
};

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
};

class FormHost {
 public:
  virtual ~FormHost() = default;

  // Modal: timer ticks go on while the box is up.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                    MessageButtons buttons,
                                    MessageIcon icon = MessageIcon::None) = 0;
  // The chosen path, or nothing when the user cancelled. Both add the default extension to a
  // name typed without one; the save dialog asks before it names an existing file.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;

  virtual Modifiers KeyboardModifiers() = 0;
  // The desktop's clipboard as plain UTF-8 text.
  virtual void SetClipboardText(std::string_view text) = 0;
  virtual std::string ClipboardText() = 0;
  // Moves the pointer to a point given in the coordinates of an image control.
  virtual void MovePointer(ControlIndex control, Point point) = 0;
  virtual Size ScreenSize() = 0;
  // The part of the screen that windows may take: the screen less the desktop's panels.
  virtual Rect WorkArea() = 0;
  // Opens a document with the desktop's handler; false when that failed.
  virtual bool OpenDocument(std::string_view path) = 0;
  // The drawing surface of an image control of `form` (the main window or a modal one).
  virtual Canvas& CanvasOf(const ControlModel& form, ControlIndex image) = 0;
  virtual std::tm LocalTime() = 0;
  // A print job on the default printer for the set saved as `setFile` (empty for a set not yet
  // saved), whose name a PDF takes where there is no printer; throws like PrintJob when none
  // can be started.
  virtual std::unique_ptr<PrintJob> StartPrintJob(std::string_view setFile) = 0;

  // Closes the main window; the window's shut-down runs from the host's close handling.
  virtual void RequestClose() = 0;
  // Shows a second window built from its own control model, modally: returns when it closed.
  virtual void ShowModalForm(ControlModel& form, FormEvents& events) = 0;
  virtual void CloseModalForm() = 0;
};

}  // namespace zarvell::ui
