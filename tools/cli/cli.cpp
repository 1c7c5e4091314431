#include "cli.h"

#include <ostream>

namespace zarvell {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  (void)args;
  (void)out;
  err << "zarvell-cli: not ready\n";
  return 64;
}

}  // namespace zarvell
