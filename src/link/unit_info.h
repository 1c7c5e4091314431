// The unit's identification block: the data of its reply to block 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/frame.h"

namespace zarvell::link {

using UnitInfoBlock = std::array<std::uint8_t, kFrameData>;

namespace unit_info {
inline constexpr std::size_t kReadPermission = 9;  // 1: the unit may be read
inline constexpr std::size_t kVersion = 10;        // must equal the program's version
}  // namespace unit_info

// The firmware name, date and time as the Bike page shows them: "ABC07" (or the long name),
// "25. 1.2003", "16:21".
struct UnitInfo {
  std::string name;
  std::string date;
  std::string time;
};

UnitInfo DecodeUnitInfo(const UnitInfoBlock& block);

// The program's and the unit's format numbers as a version warning ends: "  PC-75, IGN-76".
std::string VersionsText(int unitVersion);

}  // namespace zarvell::link
