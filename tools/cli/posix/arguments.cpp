#include "arguments.h"

namespace zarvell::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  // File names reach a POSIX program as the bytes they have on disk, UTF-8 on any current system.
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace zarvell::cli
