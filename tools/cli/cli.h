// zarvell-cli: the program's core from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zarvell {

// Runs one command line (without the program name) and returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zarvell
