// zarvell-cli doctor on Windows: the COM ports the system knows (its SERIALCOMM map, with the
// adapter's name where the device manager has one), which of them another program holds, and
// whether a unit answers on the free ones. (POSIX systems have their own, tools/cli/posix.)
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zarvell::cli {

inline constexpr int kExitNoUnitAnswered = 1;

// args[0] is "doctor". Returns the exit status.
int RunDoctor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zarvell::cli
