// The findings of zarvell-cli doctor: each thing in the way of a unit, with its fix.
#pragma once

#include <string>
#include <vector>

#include "doctor.h"
#include "doctor_system.h"

namespace zarvell::cli::doctor {

struct Finding {
  std::string subject;  // a device, or a service
  std::string problem;
  std::string fix;  // empty where there is nothing to do
};

struct DeviceCheck {
  std::vector<Finding> findings;
  bool free = false;  // it exists, the user may open it, and no other program holds it
};

// Whether the user may open the device at `path`, and who holds it open or locked.
DeviceCheck CheckDevice(const Tree& tree, const Identity& user, const ProcessScan& scan,
                        const std::string& path);

// ModemManager while ttyACM devices are present; brltty while a CH340 adapter is.
std::vector<Finding> CheckServices(const Tree& tree, const ProcessScan& scan,
                                   const std::vector<SerialDevice>& devices);

}  // namespace zarvell::cli::doctor
