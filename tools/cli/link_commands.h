// zarvell-cli read / program / verify / monitor: the program's transfer engine and live
// requests, paced by the same 55 ms tick, on a serial device.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zarvell::cli {

// args[0] is the command. Returns the exit status; one line on `err` says what happened.
int RunLinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zarvell::cli
