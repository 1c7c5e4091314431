// Whether a unit answers on a serial device, asked in the program's own protocol: a live-values
// request, then the identification block that opens a read. Nothing is written to the unit.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zarvell::cli::doctor {

struct ProbeResult {
  bool answered = false;
  std::string text;  // what happened, for the report: "a unit answers: ..."
};

// Opens `device` (taking its lock file in `lockFolders`) and gives up after about two seconds
// of silence.
ProbeResult Probe(const std::filesystem::path& device,
                  std::vector<std::filesystem::path> lockFolders);

}  // namespace zarvell::cli::doctor
