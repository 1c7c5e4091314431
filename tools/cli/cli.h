// zarvell-cli: the program's core from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zarvell {

namespace ui {
class PictureWriter;
}

// Runs one command line (without the program name) and returns the exit status. `pictures`
// writes the PNG files of `residency --png`; without one that option is refused.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           ui::PictureWriter* pictures = nullptr);

}  // namespace zarvell
