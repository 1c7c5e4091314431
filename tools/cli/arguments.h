// The command line's arguments after the program's name, in UTF-8 (tools/cli/<system>).
#pragma once

#include <string>
#include <vector>

namespace zarvell::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace zarvell::cli
