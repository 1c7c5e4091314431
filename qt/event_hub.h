// Event forwarding: turns widget signals into the window's events, runs every handler so that
// an escaping exception is shown and the program goes on, and afterwards copies what the
// handler changed to the widgets of every open window.
#pragma once

#include <exception>
#include <vector>

#include "qt/form_view.h"

namespace zarvell::qt {

class EventHub {
 public:
  // Connects the view's widgets and shows it in every later sync.
  void Attach(FormView& view);
  void Detach(FormView& view);

  // Runs one handler. `source` is the view and control the event came from, if any.
  template <class Handler>
  void Run(Handler&& handler, FormView* source = nullptr,
           ui::ControlIndex control = ui::kNoControl) {
    // A widget reacting to a copied property is no user event, and a window being taken down
    // takes no more events.
    if (syncing_ || (source != nullptr && !IsAttached(source))) return;
    try {
      handler();
    } catch (const std::exception& error) {
      ShowError(error.what());
    } catch (...) {
      ShowError(kUnknownError);
    }
    SyncAll(source, control);
  }

  void SyncAll(FormView* source = nullptr, ui::ControlIndex control = ui::kNoControl);
  // The main window (the first attached), shown as it stands if it is not on screen yet.
  void ShowFirstWindow();
  // The error box over the main window, for an exception that escaped a handler; the program
  // then goes on.
  void ShowError(const char* what);
  static constexpr char kUnknownError[] = "An unexpected error occurred.";

 private:
  bool IsAttached(const FormView* view) const;
  void Connect(FormView& view, ui::ControlIndex id);

  std::vector<FormView*> views_;
  bool syncing_ = false;
  bool showingError_ = false;
};

}  // namespace zarvell::qt
