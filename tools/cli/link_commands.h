// zarvell-cli read / program / verify / monitor: the program's transfer engine and live
// requests, paced by the same 55 ms tick, on a serial device.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zarvell::cli {

// args[0] is the command. Returns the exit status; one line on `err` says what happened.
int RunLinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Session;
// The unit's set on port `portName` read and verified into `session`, as `read` does; an exit
// status, with the reason on `err` when it failed.
int ReadUnitSet(const std::string& portName, Session& session, std::ostream& err);

}  // namespace zarvell::cli
