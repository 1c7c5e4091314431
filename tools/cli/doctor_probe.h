// Whether a unit answers on a serial device, asked in the program's own protocol: a live-values
// request, then the identification block that opens a read. Nothing is written to the unit.
#pragma once

#include <string>

#include "link/serial_port.h"

namespace zarvell::cli::doctor {

struct ProbeResult {
  bool answered = false;
  std::string text;  // what happened, for the report: "a unit answers: ..."
};

// Opens `device` on `port` and gives up after about two seconds of silence.
ProbeResult Probe(link::SerialPort& port, const std::string& device);

}  // namespace zarvell::cli::doctor
