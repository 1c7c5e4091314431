#include "link/com_ports.h"

namespace zarvell::link {

std::string DefaultDevicePath(int comNumber) {
  const bool known = comNumber >= kFirstComNumber && comNumber <= kLastComNumber;
  return known ? "COM" + std::to_string(comNumber) : std::string();
}

bool IsDevicePath(std::string_view name) {
  return name.starts_with("\\\\");
}

}  // namespace zarvell::link
