#include "residency.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <ostream>

#include "fileio/files.h"
#include "fileio/paths.h"
#include "params/code_tables.h"
#include "residency_draw.h"
#include "session.h"
#include "ui/picture_writer.h"

namespace zarvell::cli {
namespace {

struct Options {
  std::string log, set, png;
};

std::optional<Options> Parse(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--set" && i + 1 < args.size()) {
      o.set = args[++i];
    } else if (args[i] == "--png" && i + 1 < args.size()) {
      o.png = args[++i];
    } else if (o.log.empty() && !args[i].starts_with("--")) {
      o.log = args[i];
    } else {
      return std::nullopt;
    }
  }
  if (o.log.empty()) return std::nullopt;
  return o;
}

void PrintTable(const Residency& r, std::ostream& out) {
  char cell[32];
  std::snprintf(cell, sizeof cell, "%.1f s logged, %.1f s", r.total, r.outside);
  out << "Time in each map cell, in seconds: " << cell
      << " outside the map (stopped or below its RPM axis)\n";
  out << "TPS %  ";
  for (int column = 0; column < 10; ++column) {
    if (r.rpmAxis[9] != 0) {
      std::snprintf(cell, sizeof cell, "%7d", r.rpmAxis[static_cast<std::size_t>(column)]);
    } else {
      std::snprintf(cell, sizeof cell, "  col %d", column);
    }
    out << cell;
  }
  out << '\n';
  for (std::size_t row = 0; row < 10; ++row) {
    std::snprintf(cell, sizeof cell, "%5d  ", TpsAxis[row]);
    out << cell;
    for (const double seconds : r.seconds[row]) {
      if (seconds > 0) {
        std::snprintf(cell, sizeof cell, "%7.1f", seconds);
      } else {
        std::snprintf(cell, sizeof cell, "%7s", ".");
      }
      out << cell;
    }
    out << '\n';
  }
}

// "run.png" gives "run-time.png" for the picture over time.
std::string TimePicturePath(const std::string& png) {
  const std::filesystem::path path = PathFromUtf8(png);
  std::filesystem::path name = path.stem();
  name += "-time";
  name += path.extension();
  return Utf8Of(path.parent_path() / name);
}

}  // namespace

Residency ComputeResidency(const MonitorLog& log, const ParameterImage* set) {
  Residency r;
  for (auto& row : r.advance) row.fill(-1);
  if (set != nullptr) {
    for (std::size_t c = 0; c < 10; ++c) {
      r.rpmAxis[c] = set->Shown(field::RPM_ADV + c);
      for (std::size_t row = 0; row < 10; ++row) {
        r.advance[row][c] = (*set)[field::AdvanceCell(row, c)];
      }
    }
  }
  r.rows = log.rows;
  for (std::size_t i = 0; i + 1 < log.rows.size(); ++i) {
    const LogRow& row = log.rows[i];
    const double seconds = static_cast<double>(log.rows[i + 1].timeMs - row.timeMs) / 1000.0;
    if (seconds <= 0) continue;
    r.total += seconds;
    std::optional<MapCell> cell;
    if (set != nullptr) {
      cell = FindCell(*set, row.rpm, row.tpsPercent);
    } else if (row.mapRow >= 0 && row.mapRow < 10 && row.mapColumn >= 0 && row.mapColumn < 10) {
      cell = MapCell{row.mapRow, row.mapColumn};
      if (row.advance >= 0) r.advance[row.mapRow][row.mapColumn] = row.advance;
    }
    if (cell) {
      r.seconds[cell->row][cell->column] += seconds;
    } else {
      r.outside += seconds;
    }
  }
  return r;
}

int ResidencyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     ui::PictureWriter* pictures) {
  const std::optional<Options> o = Parse(args);
  if (!o) return Usage(err, "usage: zarvell-cli residency FILE.csv [--set A.ign] [--png OUT.png]");
  const std::optional<std::string> text = ReadWholeFile(PathFromUtf8(o->log));
  if (!text) {
    if (!ReportNotRegular(o->log, err))
      err << "zarvell-cli: " << o->log << ": cannot open the log\n";
    return kExitCannotOpen;
  }
  const std::optional<MonitorLog> log = ParseLog(*text);
  if (!log) {
    err << "zarvell-cli: " << o->log << ": not a log of zarvell-cli monitor --log\n";
    return kExitNotAccepted;
  }
  if (log->cutOff)
    err << "zarvell-cli: " << o->log << ": the last row was cut off; read up to the one before\n";
  std::optional<Session> set;
  if (!o->set.empty()) {
    set.emplace(kStartupBike);
    if (const int status = ReadOver(o->set, err, *set); status != kExitOk) return status;
  }
  const Residency r = ComputeResidency(*log, set ? &set->set.image : nullptr);
  PrintTable(r, out);
  if (o->png.empty()) return kExitOk;
  if (pictures == nullptr) {
    err << "zarvell-cli: this build has no toolkit to draw pictures with\n";
    return kExitUsage;
  }
  const std::string timePng = TimePicturePath(o->png);
  if (!pictures->WritePng(o->png, kHeatMapSize, [&](ui::Canvas& c) { DrawHeatMap(r, c); }) ||
      !pictures->WritePng(timePng, kRunPlotSize, [&](ui::Canvas& c) { DrawRunOverTime(r, c); })) {
    if (!ReportNotRegular(o->png, err) && !ReportNotRegular(timePng, err))
      err << "zarvell-cli: " << o->png << ": cannot write the pictures\n";
    return kExitCannotOpen;
  }
  err << "zarvell-cli: pictures in " << o->png << " and " << timePng << '\n';
  return kExitOk;
}

}  // namespace zarvell::cli
