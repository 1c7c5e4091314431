// The main window started headless, with no settings to read and a silent adapter on COM1,
// for the window benchmarks.
#pragma once

#include <filesystem>

#include "headless_window.h"

namespace zarvell {

struct BenchWindow : HeadlessWindow {
  BenchWindow() : HeadlessWindow(std::filesystem::temp_directory_path() / "zarvell-bench-none") {}
};

}  // namespace zarvell
