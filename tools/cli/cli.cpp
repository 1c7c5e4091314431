#include "cli.h"

#include <charconv>
#include <filesystem>
#include <ostream>

#include "app/image_dump.h"
#include "diff_command.h"
#include "doctor.h"
#include "fileio/files.h"
#include "fileio/paths.h"
#include "link_commands.h"
#include "params/bindings.h"
#include "params/ign_file.h"
#include "params/presets.h"
#include "params/set_diff.h"
#include "params/set_limits.h"
#include "play.h"
#include "residency.h"
#include "session.h"

namespace zarvell {
namespace {

using namespace cli;

constexpr char kHelp[] =
    R"(zarvell-cli - the Zarvell ignition tool from the command line

Usage:
  zarvell-cli new [--bike CODE]   print the parameter file (.ign) that a new
                                  set for bike CODE starts with (default 20)
  zarvell-cli normalize FILE      read the parameter file FILE the way the
                                  program opens it, correct what is out of
                                  range, and print the result as a .ign file;
                                  standard error names each field corrected,
                                  and each value outside the window's limits,
                                  which program refuses
  zarvell-cli image FILE          the same, but print the 200 parameter bytes
                                  and the 7 spare bytes as numbers, in the
                                  layout of the program's image dump
  zarvell-cli bikes               list the bike codes and their names
  zarvell-cli play [--config DIR] SCRIPT [ARG]
                                  run the program's main window without a
                                  screen through the user actions in SCRIPT
                                  (see docs/PLAY.md); ARG is the program's
                                  first argument, such as CESKY; the settings
                                  live in DIR, which is kept, or in a folder
                                  that goes with the run
  zarvell-cli read --port DEV     read the unit's parameter set, verify it, and
                                  print it as a .ign file
  zarvell-cli program --port DEV FILE
                                  program FILE into the unit, verify it and wait
                                  until the unit has saved it; a FILE with a
                                  value the program's window does not allow is
                                  refused before anything is sent
  zarvell-cli verify --port DEV FILE
                                  compare the unit's set with FILE
  zarvell-cli monitor --port DEV [--count N] [--log FILE.csv [--set A.ign]]
                                  print the unit's live values, one line per
                                  reply (about three a second), N times or
                                  until interrupted; with --log also write
                                  each reply as a CSV row (time in ms, rpm,
                                  throttle % and mV, the map cell's row,
                                  column and advance, the servo's desired
                                  and measured mV), flushed as it goes; the
                                  cells are those of A.ign, or of the set
                                  read from the unit first
  zarvell-cli residency FILE.csv [--set A.ign] [--png OUT.png]
                                  the time a logged run spent in each map
                                  cell (found anew in A.ign when given); with
                                  --png also a heat map over the map's grid
                                  in OUT.png and the rpm and throttle over
                                  time in OUT-time.png
  zarvell-cli diff [--json] A.ign B.ign
  zarvell-cli diff [--json] --port DEV A.ign
                                  compare two sets, or a file with the unit's
                                  set (read as read does): every field that
                                  differs with both values in the window's
                                  units, and the advance map as a table of
                                  differences under the RPM axis of both;
                                  exit status 0 equal, 1 different, 2 error
  zarvell-cli doctor [--port DEV] say why a unit does not answer, with the fix
                                  for each finding: the serial devices, their
                                  adapters and COM numbers, whether you may
                                  open them, which program holds them, the
                                  services that grab adapters; then whether a
                                  unit answers on DEV, or else on every free
                                  device (nothing on the unit is changed)
  zarvell-cli --help              this text

A file is read over the start-up set of bike 20: whatever the file does not
hold keeps the start-up value. Files of format 75 are read as they are;
formats 54 and 48 are read with a warning. Warnings go to standard error,
results to standard output, so  zarvell-cli normalize old.ign > new.ign
converts an old file.

DEV is a device path such as /dev/ttyUSB0, or a COM name such as COM5, which
names the device the program's COM menu gives it (see [PORTS] in its settings).
The transfers talk exactly as the program does: one frame every 55 ms tick,
sent again after four silent ticks, given up after five sends.

Exit status:
  0   done; doctor: a unit answered
  1   FILE cannot be opened; doctor: no unit answered
  2   FILE is not a parameter file of format 75, 54 or 48, or a line of a
      play SCRIPT cannot be carried out (the message names the line); program
      and diff --port: FILE holds a value outside the window's limits (each
      such field is named with its value and limits)
  3   the serial port cannot be opened: it does not exist, or another program
      (whoever runs it) has it open
  4   the unit did not answer, or its set differs (Program, Verify or Read
      error); after a Program error past the first block the unit may hold a
      mix of the old and the new set
  5   the unit refused: it runs another program version, or forbids reading
  6   program: the set was programmed and verified, but the unit stopped
      answering before it reported its save, so whether it keeps the set is
      not known; program it again once it answers
  64  the command line is wrong
  74  the result could not be written to standard output (a full disk, or
      a reader that went away)

Only regular files are read and written: a FILE that is a pipe, a device or
a folder is refused (status 1) and left alone.
)";

int New(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  int bike = kStartupBike;
  if (args.size() == 3 && args[1] == "--bike") {
    const std::string& text = args[2];
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), bike);
    if (ec != std::errc() || end != text.data() + text.size() || bike < 0 || bike > 255) {
      return Usage(err, "--bike takes a bike code from 0 to 255 ('zarvell-cli bikes' lists them)");
    }
  } else if (args.size() != 1) {
    return Usage(err, "usage: zarvell-cli new [--bike CODE]");
  }
  Session session(static_cast<std::uint8_t>(bike));
  out << WriteIgnFile(session.set.image);
  return kExitOk;
}

int Bikes(std::ostream& out) {
  for (const BikePreset& preset : BikePresets()) {
    out << static_cast<int>(preset.code) << (preset.code < 10 ? "   " : "  ") << preset.entry
        << '\n';
  }
  return kExitOk;
}

int Play(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::size_t at = 1;
  std::filesystem::path config;
  if (args.size() > 2 && args[1] == "--config") {
    config = PathFromUtf8(args[2]);
    at = 3;
  }
  if (args.size() < at + 1 || args.size() > at + 2) {
    return Usage(err, "usage: zarvell-cli play [--config DIR] SCRIPT [ARG]");
  }
  const std::string& file = args[at];
  const std::optional<std::string> script = ReadWholeFile(PathFromUtf8(file));
  if (!script) {
    if (!ReportNotRegular(file, err))
      err << "zarvell-cli: " << file << ": cannot open the script\n";
    return kExitCannotOpen;
  }
  std::error_code error;
  if (!config.empty() && !std::filesystem::create_directories(config, error) && error) {
    err << "zarvell-cli: " << Utf8Of(config) << ": cannot create the folder\n";
    return kExitCannotOpen;
  }
  const std::span<const std::string> windowArgs(args.begin() + static_cast<long>(at) + 1,
                                                args.end());
  return PlayScript(file, *script, windowArgs, out, err, config);
}

// normalize and image: the file read as the window opens it. Each field its validation
// corrected is named on `err`, and so is each the window's controls could not hold, which
// program would refuse.
int Normalize(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::string& command = args[0];
  if (args.size() != 2) return Usage(err, "usage: zarvell-cli " + command + " FILE");
  Session session(kStartupBike);
  ParameterImage asRead;
  const int status = ReadOver(args[1], err, session, &asRead);
  if (status != kExitOk) return status;
  const std::string where = "zarvell-cli: " + args[1] + ": ";
  for (const FieldBinding& b : FieldBindings()) {
    if (asRead[b.byte] == session.set.image[b.byte]) continue;
    const char* fieldUnit = FieldAt(b.byte).unit;
    const std::string unit = *fieldUnit != '\0' ? std::string(" ") + fieldUnit : "";
    err << where << "corrected " << FieldName(b.byte) << " from "
        << ShowNumber(b.scale, asRead[b.byte]) << unit << " to "
        << ShowNumber(b.scale, session.set.image[b.byte]) << unit << '\n';
  }
  for (const FieldOutOfRange& f : FieldsOutOfRange(session.set.image)) {
    err << where << Describe(f) << ": outside the window's limits; program refuses it\n";
  }
  out << (command == "normalize" ? WriteIgnFile(session.set.image)
                                 : FormatImageDump(session.set.image));
  return kExitOk;
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             ui::PictureWriter* pictures) {
  if (args.empty()) return Usage(err, "a command is missing");
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kHelp;
    return kExitOk;
  }
  if (command == "new") return New(args, out, err);
  if (command == "bikes") {
    return args.size() == 1 ? Bikes(out) : Usage(err, "bikes takes no argument: '" + args[1] + "'");
  }
  if (command == "play") return Play(args, out, err);
  if (command == "diff") return Diff(args, out, err);
  if (command == "residency") return ResidencyCommand(args, out, err, pictures);
  if (command == "read" || command == "program" || command == "verify" || command == "monitor") {
    return RunLinkCommand(args, out, err);
  }
  if (command == "doctor") return RunDoctor(args, out, err);
  if (command == "normalize" || command == "image") return Normalize(args, out, err);
  return Usage(err, "unknown command '" + command + "'");
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           ui::PictureWriter* pictures) {
  const int status = Dispatch(args, out, err, pictures);
  // A command that found its output lost on the way has said so already.
  return status == kExitCannotWrite ? status : FinishOutput(out, err, status);
}

}  // namespace zarvell
