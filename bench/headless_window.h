// The main window started headless, with no settings to read and a silent adapter on COM1,
// for the window benchmarks.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/form_hlav.h"
#include "sim/in_process_ports.h"
#include "ui/scripted_host.h"

namespace zarvell {

struct HeadlessWindow {
  ProcessState process;
  ui::ScriptedHost host;
  sim::AdapterWithoutUnit com1{"/dev/ttyUSB0"};
  TFormHlav form{process, host, com1.ports,
                 ConfigPathsIn(std::filesystem::temp_directory_path() / "zarvell-bench-none")};
  HeadlessWindow() { form.FormCreate(std::vector<std::string>{}); }
};

}  // namespace zarvell
