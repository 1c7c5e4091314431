// The running program: the main window's logic, its widgets, the Qt host and the 55 ms timer,
// started up in the order the window expects and shut down by closing the main window.
#pragma once

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/form_hlav.h"
#include "app/process_state.h"
#include "link/serial_port.h"
#include "qt/event_hub.h"
#include "qt/form_view.h"
#include "qt/qt_host.h"

namespace zarvell::qt {

// Application-wide look: the layout of the windows is budgeted for DejaVu Sans 8 pt.
void ConfigureApplication();

class Program {
 public:
  // Settings and dump live in `configDir`; `args` are the command-line arguments after the
  // program name; the unit is reached through `port`; the manuals are looked for in
  // `manualDirs`, in order, when the working folder has none. Shows the main window.
  Program(const std::filesystem::path& configDir, std::span<const std::string> args,
          link::SerialPort& port, std::vector<std::filesystem::path> manualDirs = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  TFormHlav& window() { return form_; }
  FormView& view() { return *view_; }
  EventHub& hub() { return hub_; }
  QWidget& mainWindow() { return *view_->root; }

 private:
  void Close();

  ProcessState state_;
  EventHub hub_;
  QtHost host_;
  TFormHlav form_;
  std::unique_ptr<FormView> view_;
  QTimer timer_;
  bool closed_ = false;
};

}  // namespace zarvell::qt
