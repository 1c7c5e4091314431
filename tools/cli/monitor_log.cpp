#include "monitor_log.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "link/operating_point.h"

namespace zarvell::cli {
namespace {

constexpr std::size_t kFields = 9;

// A field of a row: a whole number, or empty (-1) where a row may leave it so.
bool ReadField(std::string_view text, bool mayBeEmpty, std::int64_t& value) {
  if (text.empty()) {
    value = -1;
    return mayBeEmpty;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

std::optional<LogRow> ParseRow(std::string_view line) {
  std::array<std::int64_t, kFields> v{};
  for (std::size_t i = 0; i < kFields; ++i) {
    const std::size_t comma = i + 1 < kFields ? line.find(',') : line.size();
    if (comma == std::string_view::npos) return std::nullopt;
    const bool cellField = i >= 4 && i <= 6;
    if (!ReadField(line.substr(0, comma), cellField, v[i])) return std::nullopt;
    line.remove_prefix(std::min(comma + 1, line.size()));
  }
  auto whole = [&v](std::size_t i) { return static_cast<int>(v[i]); };
  return LogRow{v[0],     whole(1), whole(2), whole(3), whole(4),
                whole(5), whole(6), whole(7), whole(8)};
}

}  // namespace

LogRow RowOf(const link::MonitorValues& values, std::int64_t timeMs, const ParameterImage* set) {
  LogRow row;
  row.timeMs = timeMs;
  row.rpm = values.rpm;
  row.tpsPercent = values.tpsPercent;
  row.tpsMv = static_cast<int>(link::ConverterMv(values.tpsRaw));
  row.servoDesiredMv = static_cast<int>(link::ConverterMv(values.servoDesiredRaw));
  row.servoMeasuredMv = static_cast<int>(link::ConverterMv(values.servoMeasuredRaw));
  if (set == nullptr) return row;
  if (const std::optional<MapCell> cell = FindCell(*set, values.rpm, values.tpsPercent)) {
    row.mapRow = cell->row;
    row.mapColumn = cell->column;
    row.advance = (*set)[field::AdvanceCell(static_cast<std::size_t>(cell->row),
                                            static_cast<std::size_t>(cell->column))];
  }
  return row;
}

std::optional<MapCell> FindCell(const ParameterImage& set, int rpm, int tpsPercent) {
  if (rpm <= 0) return std::nullopt;
  link::LiveState live;
  live.rpm = static_cast<std::uint16_t>(std::min(rpm, 0xFFFF));
  live.tpsPercent = static_cast<std::uint8_t>(std::clamp(tpsPercent, 0, 255));
  link::FindOperatingPoint(set, set[field::TPS_MAPA] != 0, live);
  if (live.belowRpmAxis) return std::nullopt;
  return MapCell{live.tpsIndex, live.rpmIndex};
}

std::string FormatRow(const LogRow& r) {
  auto cell = [](int value) { return value < 0 ? std::string() : std::to_string(value); };
  return std::to_string(r.timeMs) + ',' + std::to_string(r.rpm) + ',' +
         std::to_string(r.tpsPercent) + ',' + std::to_string(r.tpsMv) + ',' + cell(r.mapRow) + ',' +
         cell(r.mapColumn) + ',' + cell(r.advance) + ',' + std::to_string(r.servoDesiredMv) + ',' +
         std::to_string(r.servoMeasuredMv) + '\n';
}

std::optional<MonitorLog> ParseLog(std::string_view text) {
  if (!text.starts_with(kLogHeader)) return std::nullopt;
  MonitorLog log;
  std::size_t at = text.find('\n');
  while (at != std::string_view::npos && at + 1 < text.size()) {
    const std::size_t end = text.find('\n', at + 1);
    if (end == std::string_view::npos) {  // the writer was stopped inside this row
      log.cutOff = true;
      break;
    }
    std::string_view line = text.substr(at + 1, end - at - 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = end;
    if (line.empty()) continue;
    const std::optional<LogRow> row = ParseRow(line);
    if (!row) return std::nullopt;
    log.rows.push_back(*row);
  }
  return log;
}

}  // namespace zarvell::cli
