// zarvell-cli residency: where in the advance map a logged run spent its time, as a table and
// as pictures.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "monitor_log.h"

namespace zarvell::ui {
class PictureWriter;
}

namespace zarvell::cli {

struct Residency {
  std::array<std::array<double, 10>, 10> seconds{};  // [throttle row][column]
  std::array<std::array<int, 10>, 10> advance{};     // degrees; -1 where neither set nor log says
  std::array<int, 10> rpmAxis{};                     // rpm; all 0 without a set
  double outside = 0;                                // seconds with the engine in no cell
  double total = 0;
  std::vector<LogRow> rows;  // the run, for the picture over time
};

// Each reply counts for the time until the next one. With a set, the cells are found anew in
// it and its advances are shown; without, the log's own cells and advances count.
Residency ComputeResidency(const MonitorLog& log, const ParameterImage* set);

// args[0] is "residency"; `pictures` draws the --png files, if this build can.
int ResidencyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     ui::PictureWriter* pictures);

}  // namespace zarvell::cli
