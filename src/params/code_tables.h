// The constant tables that give image bytes their meaning: bike list, synchronization methods,
// ignitions per revolution, input functions and the fixed throttle rows of the map.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zarvell {

inline constexpr int ProgramVersion = 75;

// Bike list (`ComboBoxBike`): the stored `BIKE` code is not the list position.
inline constexpr int kBikeCount = 38;
inline constexpr std::uint8_t SpecialBike = 22;  // "Special setting": synchronization by hand
inline constexpr std::array<std::uint8_t, kBikeCount> kBikeCodeAtPosition = {
    23, 37, 36, 32, 35, 0,  27, 31, 1,  2,  3,  4,  24, 5,  6,  7,  28, 29, 30,
    33, 8,  9,  10, 11, 12, 13, 14, 15, 26, 16, 17, 18, 19, 20, 21, 25, 34, 22};

constexpr std::uint8_t BikeCodeAtPosition(int position) {
  return kBikeCodeAtPosition[position];
}

// List position of a bike code; none for a code above 37.
constexpr std::optional<int> BikePositionOfCode(std::uint8_t code) {
  for (int position = 0; position < kBikeCount; ++position) {
    if (kBikeCodeAtPosition[position] == code) return position;
  }
  return std::nullopt;
}

// Synchronization methods (`Synchro`, byte 2): the stored value is the list position.
inline constexpr int kSynchroCount = 13;
namespace synchro {
inline constexpr std::uint8_t SingleLobe = 0;  // "1 lobe, 1 or 2 pick-up"
inline constexpr std::uint8_t InsertedLobe = 1;
inline constexpr std::uint8_t WideLobe = 2;
inline constexpr std::uint8_t MissingLobe = 3;
inline constexpr std::uint8_t TwoPickupsMissingLobe = 4;
inline constexpr std::uint8_t TwoInsertedLobes = 5;
inline constexpr std::uint8_t Cam = 6;
inline constexpr std::uint8_t Harley = 7;
inline constexpr std::uint8_t Gap48 = 8;  // "Long gap between lobes - more lobes (48-2)"
inline constexpr std::uint8_t MorePickups = 9;
inline constexpr std::uint8_t InsertedLobeKick = 10;
inline constexpr std::uint8_t HondaCam = 11;
inline constexpr std::uint8_t GapAndCam = 12;

// The methods that read a second pick-up: only these keep the "2nd Pick-up" flags.
constexpr bool UsesSecondPickup(std::uint8_t value) {
  return value == SingleLobe || value == TwoPickupsMissingLobe || value == MorePickups;
}
}  // namespace synchro

// Ignitions per revolution (`GEBER_MODE`, byte 5): five list entries, the camshaft entry last.
inline constexpr int kGeberModeCount = 5;
constexpr std::uint8_t GeberModeOfPosition(int position) {
  return static_cast<std::uint8_t>((position + 1) % kGeberModeCount);
}
constexpr int GeberPositionOfMode(std::uint8_t value) {
  return (value + 4) % kGeberModeCount;
}

// Input functions (`Input1`, `Input2`): the stored value is the radio position.
inline constexpr int kInput1Count = 3;  // Off, Kill switch, Blocking
inline constexpr int kInput2Count = 5;  // ... and Clutch master, Clutch master inv. input
namespace input {
inline constexpr std::uint8_t Off = 0;
inline constexpr std::uint8_t KillSwitch = 1;
inline constexpr std::uint8_t Blocking = 2;
inline constexpr std::uint8_t ClutchMaster = 3;
inline constexpr std::uint8_t ClutchMasterInverse = 4;
}  // namespace input

// The throttle rows of the advance map, in percent; not stored in the image.
inline constexpr std::array<int, 10> TpsAxis = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

}  // namespace zarvell
