// zarvell-cli doctor: why a unit does not answer, in plain words, with the fix for each finding.
// It looks at the serial devices, their adapters and COM numbers, who may open them and who
// holds them, the services known to grab serial adapters, and then asks whether a unit answers.
// (Windows has its own doctor, tools/cli/win32/doctor.h, with the same RunDoctor.)
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "link/com_ports.h"

namespace zarvell::cli {

inline constexpr int kExitNoUnitAnswered = 1;

namespace doctor {

// Whom the device files are judged for.
struct Identity {
  uid_t uid = 0;
  std::string name;
  std::vector<gid_t> groups;  // the primary group too
};
// The user this process runs as, with the groups this login has.
Identity ProcessIdentity();

struct Examination {
  std::filesystem::path root{"/"};  // where /dev, /sys, /proc, /etc and the lock folders are read
  Identity identity;
  link::ComPortMap ports;
  std::filesystem::path settings;   // the settings file, named in the fix for an unmapped device
  std::optional<std::string> port;  // the device to ask; else every device found free
};

// Writes the report to `out`; kExitOk when a unit answered, else kExitNoUnitAnswered.
int Examine(const Examination& examination, std::ostream& out);

}  // namespace doctor

// args[0] is "doctor". Returns the exit status.
int RunDoctor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zarvell::cli
