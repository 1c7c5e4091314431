// What the commands of zarvell-cli share: exit statuses, the start-up parameter set, reading a
// parameter file over it, and the usage message.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "app/process_state.h"
#include "mapedit/parameter_set.h"
#include "params/image.h"
#include "params/presets.h"

namespace zarvell::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitCannotOpen = 1;
inline constexpr int kExitNotAccepted = 2;
inline constexpr int kExitNoPort = 3;           // the serial port cannot be opened
inline constexpr int kExitTransferFailed = 4;   // the unit did not answer, or not as it should
inline constexpr int kExitUnitRefused = 5;      // another program version, or reading forbidden
inline constexpr int kExitSaveUnconfirmed = 6;  // programmed and verified, the save not reported
inline constexpr int kExitUsage = 64;
inline constexpr int kExitCannotWrite = 74;  // standard output could not take the result

// What the program holds right after it starts: an all-zero image, the bike, the default set
// with the bike's preset, validated once.
struct Session {
  ProcessState process;
  ParameterSet set;

  explicit Session(std::uint8_t bike);
  void Sanitize() { set.Validate(process.axis); }
};

// Reads the parameter file at `path` over the session's set and validates it as the program's
// Open does. Warnings and errors go to `err`; returns an exit status. `asRead`, when given,
// receives the set as the file gave it, before the validation.
int ReadOver(const std::string& path, std::ostream& err, Session& session,
             ParameterImage* asRead = nullptr);

// For a set about to be sent to the unit: every field outside the window's limits, each with
// its value and its limits, on `err`, and kExitNotAccepted; kExitOk when there is none.
int RefuseOutOfRange(const std::string& path, const ParameterImage& image, std::ostream& err);

// After a file named on the command line could not be read or written: when `path` is there
// but no regular file (a pipe, a device, a folder), says so on `err` and returns true.
bool ReportNotRegular(const std::string& path, std::ostream& err);

// Flushes `out`; when any of what went to it was lost, says so on `err` and returns
// kExitCannotWrite, else `status`.
int FinishOutput(std::ostream& out, std::ostream& err, int status);

// Writes the problem and the hint to --help; returns kExitUsage.
int Usage(std::ostream& err, const std::string& problem);

}  // namespace zarvell::cli
