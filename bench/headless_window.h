// The main window started headless, with no settings to read, for the window benchmarks.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/form_hlav.h"
#include "ui/scripted_host.h"

namespace zarvell {

struct HeadlessWindow {
  ProcessState process;
  ui::ScriptedHost host;
  TFormHlav form{process, host,
                 ConfigPathsIn(std::filesystem::temp_directory_path() / "zarvell-bench-none")};
  HeadlessWindow() { form.FormCreate(std::vector<std::string>{}); }
};

}  // namespace zarvell
