// What the commands of zarvell-cli share: exit statuses, the start-up parameter set, reading a
// parameter file over it, and the usage message.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "app/process_state.h"
#include "mapedit/sanitize.h"
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

// What the program holds right after it starts: an all-zero image, the bike, the default set
// with the bike's preset, validated once.
struct Session {
  ProcessState process;
  AxisMemory axisMemory;
  std::uint8_t comPortIndex = 0;
  std::uint8_t autoPortIndex = 0;
  ParameterImage image;

  explicit Session(std::uint8_t bike);
  void Sanitize();
};

// Reads the parameter file at `path` over the session's set and validates it as the program's
// Open does. Warnings and errors go to `err`; returns an exit status.
int ReadOver(const std::string& path, std::ostream& err, Session& session);

// Writes the problem and the hint to --help; returns kExitUsage.
int Usage(std::ostream& err, const std::string& problem);

}  // namespace zarvell::cli
