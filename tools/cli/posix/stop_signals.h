// The signals that stop a run: Ctrl+C, a polite kill, the terminal closing.
#pragma once

#include <csignal>

namespace zarvell::cli {

inline constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace zarvell::cli
