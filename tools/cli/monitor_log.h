// The log of a monitored run: one CSV row per live reply, written as it comes so that a run
// pulled out of the port keeps what it logged, and read back up to its last whole row.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/monitor_reply.h"
#include "params/image.h"

namespace zarvell::cli {

// The first line of a log.
inline constexpr std::string_view kLogHeader =
    "time_ms,rpm,tps_percent,tps_mv,map_row,map_column,advance,servo_desired_mv,"
    "servo_measured_mv";

struct LogRow {
  std::int64_t timeMs = 0;  // since the first reply
  int rpm = 0;
  int tpsPercent = 0;
  int tpsMv = 0;
  int mapRow = -1, mapColumn = -1;  // -1: no cell (stopped, or below the map's RPM axis)
  int advance = -1;                 // the cell's advance in the set, degrees
  int servoDesiredMv = 0, servoMeasuredMv = 0;
};

struct MapCell {
  int row = 0, column = 0;
};
// The cell of `set` the engine runs in at `rpm` and `tpsPercent`, as the window marks it; none
// while it stands or runs below the map's RPM axis.
std::optional<MapCell> FindCell(const ParameterImage& set, int rpm, int tpsPercent);

// The row of a reply `timeMs` after the first; the cell is looked up in `set`, none without.
LogRow RowOf(const link::MonitorValues& values, std::int64_t timeMs, const ParameterImage* set);
// The row as a CSV line with its line break; a missing cell leaves its three fields empty.
std::string FormatRow(const LogRow& row);

struct MonitorLog {
  std::vector<LogRow> rows;
  bool cutOff = false;  // the text ended inside a row, which was left out
};
// Nothing when the text does not start with the header or a whole row is malformed.
std::optional<MonitorLog> ParseLog(std::string_view text);

}  // namespace zarvell::cli
