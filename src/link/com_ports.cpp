#include "link/com_ports.h"

#include <charconv>

#include "fileio/ini_file.h"

namespace zarvell::link {
namespace {

constexpr std::string_view kPortsSection = "PORTS";

std::string ComKey(int comNumber) {
  return "COM" + std::to_string(comNumber);
}

bool IsLetter(char c, char upper) {
  return c == upper || c == static_cast<char>(upper - 'A' + 'a');
}

// The number of a "COMn" name, n written without leading zeros; nothing for any other name.
std::optional<int> ComNumberOf(std::string_view name) {
  if (name.size() < 4 || !IsLetter(name[0], 'C') || !IsLetter(name[1], 'O') ||
      !IsLetter(name[2], 'M') || name[3] == '0') {
    return std::nullopt;
  }
  const std::string_view digits = name.substr(3);
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  if (number < kFirstComNumber || number > kLastComNumber) return std::nullopt;
  return number;
}

}  // namespace

ComPortMap::ComPortMap() {
  for (int number = kFirstComNumber; number <= kLastComNumber; ++number) {
    paths_[number] = DefaultDevicePath(number);
  }
}

ComPortMap ComPortMap::FromSettings(const IniFile& settings) {
  ComPortMap map;
  for (int number = kFirstComNumber; number <= kLastComNumber; ++number) {
    std::optional<std::string> path = settings.Find(kPortsSection, ComKey(number));
    if (path && !path->empty()) map.paths_[number] = std::move(*path);
  }
  return map;
}

const std::string& ComPortMap::DevicePath(int comNumber) const {
  const bool known = comNumber >= kFirstComNumber && comNumber <= kLastComNumber;
  return paths_[known ? comNumber : 0];
}

std::optional<std::string> ResolvePortName(std::string_view name, const ComPortMap& ports) {
  if (IsDevicePath(name)) return std::string(name);
  if (const std::optional<int> number = ComNumberOf(name)) return ports.DevicePath(*number);
  return std::nullopt;
}

}  // namespace zarvell::link
