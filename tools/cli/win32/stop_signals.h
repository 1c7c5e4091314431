// The signals that stop a run: Ctrl+C, Ctrl+Break and a polite termination (the C runtime turns
// the console's events into these).
#pragma once

#include <csignal>

namespace zarvell::cli {

inline constexpr int kStopSignals[] = {SIGINT, SIGBREAK, SIGTERM};

}  // namespace zarvell::cli
