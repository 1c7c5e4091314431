#include "link/com_ports.h"

namespace zarvell::link {
namespace {

struct DeviceFamily {
  int firstComNumber;
  int count;
  std::string_view prefix;
};

constexpr DeviceFamily kFamilies[] = {
    {1, 10, "/dev/ttyUSB"},
    {11, 10, "/dev/ttyACM"},
    {21, 11, "/dev/ttyS"},
};

}  // namespace

std::string DefaultDevicePath(int comNumber) {
  for (const DeviceFamily& family : kFamilies) {
    const int i = comNumber - family.firstComNumber;
    if (i >= 0 && i < family.count) return std::string(family.prefix) + std::to_string(i);
  }
  return {};
}

bool IsDevicePath(std::string_view name) {
  return !name.empty() && name.front() == '/';
}

}  // namespace zarvell::link
