#include "link_commands.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <ostream>

#include "app/settings.h"
#include "design/texts/messages.h"
#include "fileio/files.h"
#include "fileio/ini_file.h"
#include "fileio/paths.h"
#include "link/block_transfer.h"
#include "link/com_link.h"
#include "link/com_ports.h"
#include "link/monitor_reply.h"
#include "link/system_serial_port.h"
#include "monitor_log.h"
#include "params/ign_file.h"
#include "runner.h"
#include "session.h"
#include "ui/control.h"

namespace zarvell::cli {
namespace {

using link::TransferEvent;
using link::TransferMode;

struct Options {
  std::string command;
  std::string port;
  std::string file;  // monitor: the set of --set
  std::string log;
  int count = -1;  // monitor replies to print; -1: until interrupted
};

std::optional<Options> Parse(const std::vector<std::string>& args) {
  Options o;
  o.command = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--port" && i + 1 < args.size()) {
      o.port = args[++i];
    } else if (args[i] == "--count" && i + 1 < args.size() && o.command == "monitor") {
      if (!ui::ParseWholeNumber(args[++i], o.count) || o.count < 1) return std::nullopt;
    } else if (args[i] == "--log" && i + 1 < args.size() && o.command == "monitor") {
      o.log = args[++i];
    } else if (args[i] == "--set" && i + 1 < args.size() && o.command == "monitor") {
      o.file = args[++i];
    } else if (o.file.empty() && !args[i].starts_with("--")) {
      o.file = args[i];
    } else {
      return std::nullopt;
    }
  }
  const bool needsFile = o.command == "program" || o.command == "verify";
  const bool mayHaveFile = needsFile || (o.command == "monitor" && !o.log.empty());
  if (o.port.empty() || (needsFile && o.file.empty()) || (!mayHaveFile && !o.file.empty())) {
    return std::nullopt;
  }
  return o;
}

std::string MonitorLine(const link::MonitorValues& v) {
  std::string advance;
  for (std::size_t k = 0; k < v.advance.size(); ++k) {
    if (k > 0) advance += ',';
    advance += v.advance[k] == 0 ? std::string("-") : std::to_string(v.advance[k] - 100);
  }
  char line[256];
  std::snprintf(line, sizeof line,
                "rpm=%u tps=%u%% tps_mv=%ld supply_mv=%u advance=%s pickups=%d,%d inputs=%d,%d "
                "programmed=%u saving=%u version=%u",
                v.rpm, v.tpsPercent, static_cast<long>(link::ConverterMv(v.tpsRaw)), v.supplyMv,
                advance.c_str(), v.pickup1, v.pickup2, v.input1, v.input2, v.programCount,
                v.saveCountdown, v.unitVersion);
  return line;
}

// The device a --port names: a path, or a COM number looked up in the program's settings.
std::optional<std::string> DevicePath(const std::string& name) {
  const link::ComPortMap ports =
      link::ComPortMap::FromSettings(IniFile::Load(ConfigPathsIn(DefaultConfigDir()).settings));
  return link::ResolvePortName(name, ports);
}

TextTable EnglishMessages() {
  TextTable texts;
  LoadMessageEntries(texts, 0, MessageLoader::Messages);
  return texts;
}

// A transfer run to its end; an exit status, with the reason on `err` when it failed.
int RunTransfer(Runner& runner, TransferMode mode, const TextTable& texts, const std::string& where,
                std::ostream& err) {
  switch (runner.Transfer(mode)) {
    case TransferEvent::VersionMismatch: {
      char versions[32];
      std::snprintf(versions, sizeof versions, "  PC-%d, IGN-%d",
                    link::BlockTransfer::kProgramVersion,
                    runner.transfer().unitInfo()[link::unit_info::kVersion]);
      err << where << texts[MsgVersionMismatch] << versions << '\n';
      return kExitUnitRefused;
    }
    case TransferEvent::ReadRefused:
      err << where << texts[MsgNoReading] << '\n';
      return kExitUnitRefused;
    case TransferEvent::VerifyOk:
      return kExitOk;
    default: {
      const link::BlockTransfer& transfer = runner.transfer();
      const TransferMode failed = Stopped() ? transfer.mode() : transfer.failedMode();
      err << where
          << (Stopped()                             ? std::string("interrupted")
              : failed == TransferMode::Programming ? texts[MsgProgramError]
              : failed == TransferMode::Verifying   ? texts[MsgVerifyError]
                                                    : texts[MsgReadError]);
      // The unit writes each block as it takes it, so one whose reply went astray still counts.
      if (failed == TransferMode::Programming && transfer.command() != link::code::kWriteBlock0) {
        err << " The unit may now hold a mix of the old and the new set; program it again.";
      }
      err << '\n';
      return kExitTransferFailed;
    }
  }
}

// The live values as lines on `out` and, with --log, as CSV rows in the log, each written
// through before the next reply so that a run cut short keeps all it logged.
int Monitor(const Options& options, Runner& runner, Session& session, const TextTable& texts,
            const std::string& where, std::ostream& out, std::ostream& err) {
  std::ofstream log;
  const ParameterImage* set = nullptr;
  if (!options.log.empty()) {
    // The cells are looked up in the set the unit runs on, unless the user names one.
    if (options.file.empty()) {
      const int status = RunTransfer(runner, TransferMode::Reading, texts, where, err);
      if (status == kExitOk) set = &session.set.image;
      if (status == kExitTransferFailed) return status;
      if (status != kExitOk) err << where << "the log will have no map cells\n";
    } else {
      set = &session.set.image;
    }
    // Written as it goes, not replaced: a pipe or a device in its place is left alone (and a
    // pipe with no reader would hold the open up for good).
    if (!IsSaveTarget(PathFromUtf8(options.log))) {
      ReportNotRegular(options.log, err);
      return kExitCannotOpen;
    }
    log.open(PathFromUtf8(options.log), std::ios::binary | std::ios::trunc);
    if (!(log << kLogHeader << '\n' << std::flush)) {
      err << "zarvell-cli: " << options.log << ": cannot write the log\n";
      return kExitCannotOpen;
    }
  }
  int left = options.count;
  std::optional<std::chrono::steady_clock::time_point> first;
  bool written = true;
  const bool answered = runner.Monitor([&](const link::MonitorValues& values) {
    // Nobody learns of a reply that standard output lost: the run stops there.
    if (!(out << MonitorLine(values) << std::endl)) return false;
    if (log.is_open()) {
      const auto now = std::chrono::steady_clock::now();
      if (!first) first = now;
      const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - *first).count();
      written = static_cast<bool>(log << FormatRow(RowOf(values, ms, set)) << std::flush);
      if (!written) return false;
    }
    return left < 0 || --left > 0;
  });
  if (!written) {
    err << "zarvell-cli: " << options.log << ": cannot write the log (disk full?); stopped\n";
    return kExitCannotOpen;
  }
  if (!out) return FinishOutput(out, err, kExitOk);
  if (answered || Stopped()) return kExitOk;
  err << where << "the unit does not answer\n";
  return kExitTransferFailed;
}

// `work` (runner, texts, where) on the opened `device`; its exit status, or kExitNoPort.
template <typename Work>
int OnUnit(const std::string& device, Session& session, std::ostream& err, Work work) {
  const TextTable texts = EnglishMessages();
  const StopOnSignals stop;  // outlives the port, which must close first
  const std::unique_ptr<link::SerialPort> port = link::MakeSystemSerialPort();
  const std::string where = "zarvell-cli: " + device + ": ";
  if (!port->Open(device)) {
    err << where << texts[MsgComOpenError] << '\n';
    return kExitNoPort;
  }
  Runner runner(*port, session);
  return work(runner, texts, where);
}

constexpr std::string_view kBadPort = "--port takes a device path or a name from COM1 to COM31";

}  // namespace

int ReadUnitSet(const std::string& portName, Session& session, std::ostream& err) {
  const std::optional<std::string> device = DevicePath(portName);
  if (!device) return Usage(err, std::string(kBadPort));
  return OnUnit(*device, session, err,
                [&](Runner& runner, const TextTable& texts, const std::string& where) {
                  return RunTransfer(runner, TransferMode::Reading, texts, where, err);
                });
}

int RunLinkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<Options> options = Parse(args);
  if (!options) {
    return Usage(err, args[0] == "monitor" ? "usage: zarvell-cli monitor --port DEV [--count N] "
                                             "[--log FILE.csv [--set A.ign]]"
                      : args[0] == "read"  ? "usage: zarvell-cli read --port DEV"
                                           : "usage: zarvell-cli " + args[0] + " --port DEV FILE");
  }
  const std::optional<std::string> device = DevicePath(options->port);
  if (!device) return Usage(err, std::string(kBadPort));
  Session session(kStartupBike);
  if (!options->file.empty()) {
    if (const int status = ReadOver(options->file, err, session); status != kExitOk) return status;
    if (options->command == "program") {
      const int status = RefuseOutOfRange(options->file, session.set.image, err);
      if (status != kExitOk) return status;
    }
  }
  return OnUnit(
      *device, session, err, [&](Runner& runner, const TextTable& texts, const std::string& where) {
        if (options->command == "monitor")
          return Monitor(*options, runner, session, texts, where, out, err);
        const TransferMode mode = options->command == "program"  ? TransferMode::Programming
                                  : options->command == "verify" ? TransferMode::Verifying
                                                                 : TransferMode::Reading;
        if (const int status = RunTransfer(runner, mode, texts, where, err); status != kExitOk) {
          return status;
        }
        if (mode == TransferMode::Reading) {
          out << WriteIgnFile(session.set.image);
          if (const int status = FinishOutput(out, err, kExitOk); status != kExitOk) return status;
          err << where << "read and verified\n";
        } else if (mode == TransferMode::Verifying) {
          err << where << "the unit holds " << options->file << '\n';
        } else {
          // The unit stores the set after the run; its live reports count the save down to 0.
          const bool saved = runner.Monitor(
              [](const link::MonitorValues& values) { return values.saveCountdown != 0; });
          if (!saved) {
            err << where << "programmed and verified; the unit did not report its save\n";
            return kExitSaveUnconfirmed;
          }
          err << where << "programmed, verified and saved\n";
        }
        return kExitOk;
      });
}

}  // namespace zarvell::cli
