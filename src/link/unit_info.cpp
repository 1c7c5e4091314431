#include "link/unit_info.h"

#include <string>

#include "params/code_tables.h"

namespace zarvell::link {
namespace {

constexpr std::size_t kNameStart = 16;
constexpr std::size_t kNameLength = 30;

// The month of a build date is sent as the low byte of the sum of the letters of its English
// abbreviation ("Jan" = 25).
constexpr std::uint8_t kMonthCodes[12] = {25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};

// The unit sends numbers below 100; a larger one gives a tens "digit" past '9', as it always has.
char Tens(int value) {
  return static_cast<char>('0' + value / 10);
}
char Units(int value) {
  return static_cast<char>('0' + value % 10);
}

// Two characters: a blank stands for a leading zero.
std::string BlankPadded(int value) {
  return {value < 10 ? ' ' : Tens(value), Units(value)};
}

std::string ZeroPadded(int value) {
  return {Tens(value), Units(value)};
}

std::string Month(std::uint8_t code) {
  for (int month = 1; month <= 12; ++month) {
    if (kMonthCodes[month - 1] == code) return BlankPadded(month);
  }
  return {'0', '0'};
}

}  // namespace

UnitInfo DecodeUnitInfo(const UnitInfoBlock& b) {
  UnitInfo info;
  if (b[kNameStart] != 0) {
    for (std::size_t i = kNameStart; i < kNameStart + kNameLength && b[i] != 0; ++i) {
      info.name.push_back(static_cast<char>(b[i]));
    }
  } else {
    info.name = {static_cast<char>(b[0]), static_cast<char>(b[1]), static_cast<char>(b[2]),
                 Tens(b[3]), Units(b[3])};
  }
  info.date = BlankPadded(b[4]) + "." + Month(b[5]) + ".20" + ZeroPadded(b[6]);
  info.time = ZeroPadded(b[7]) + ":" + ZeroPadded(b[8]);
  return info;
}

std::string VersionsText(int unitVersion) {
  return "  PC-" + std::to_string(ProgramVersion) + ", IGN-" + std::to_string(unitVersion);
}

}  // namespace zarvell::link
