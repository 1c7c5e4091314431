// The unit's parameter set: 200 bytes, every field addressed by name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zarvell {

// The 200 image bytes and, in the same block, the seven spare bytes that only the image
// dump and the undo snapshots carry. Transfers and files touch bytes 0..199 only.
struct ParameterImage {
  static constexpr std::size_t kSize = 200;
  static constexpr std::size_t kSpareCount = 7;
  static constexpr std::size_t kBlockSize = kSize + kSpareCount;

  std::array<std::uint8_t, kBlockSize> block{};

  std::uint8_t& operator[](std::size_t i) { return block[i]; }
  const std::uint8_t& operator[](std::size_t i) const { return block[i]; }

  friend bool operator==(const ParameterImage&, const ParameterImage&) = default;
};

// Byte offsets of the image fields. An array field's element i lies at its first byte + i.
namespace field {
inline constexpr std::size_t BIKE = 0;
inline constexpr std::size_t NO_READING = 1;
inline constexpr std::size_t Synchro = 2;
inline constexpr std::size_t PocPalcu = 3;
inline constexpr std::size_t PocKanalu = 4;
inline constexpr std::size_t GEBER_MODE = 5;
inline constexpr std::size_t InvInput1 = 6;
inline constexpr std::size_t PILOT_LIGHT = 7;  // hundreds of rpm
inline constexpr std::size_t InvInput2 = 8;
inline constexpr std::size_t BASE_ADV = 9;  // degrees
inline constexpr std::size_t PocSynchro = 10;
inline constexpr std::size_t RpmPulsu = 11;
inline constexpr std::size_t RpmKorekce = 12;  // percent + 100
inline constexpr std::size_t LIMITER = 13;     // hundreds of rpm
inline constexpr std::size_t Reserved14 = 14;
inline constexpr std::size_t EXCITATION = 15;
inline constexpr std::size_t SERVO_ENABLE = 16;
inline constexpr std::size_t SERVO_HYSTER = 17;  // units of 5 mV
inline constexpr std::size_t Reserved18 = 18;
inline constexpr std::size_t Reserved19 = 19;
inline constexpr std::size_t Tps0 = 20;    // units of 10 mV
inline constexpr std::size_t Tps100 = 21;  // mV = 2500 + 10 x stored
inline constexpr std::size_t TPS_MAPA = 22;
inline constexpr std::size_t Kompenz = 23;      // 4 bytes
inline constexpr std::size_t ClutchTime = 27;   // units of 10 ms
inline constexpr std::size_t ClutchPause = 28;  // units of 10 ms
inline constexpr std::size_t Reserved29 = 29;
inline constexpr std::size_t PalecZac = 30;    // 4 bytes: lobe of the maximum-advance edge
inline constexpr std::size_t PalecEnd = 34;    // 4 bytes: lobe of the start-advance edge
inline constexpr std::size_t PalecZacH2 = 38;  // 4 flags: "2nd Edge"
inline constexpr std::size_t PalecEndH2 = 42;
inline constexpr std::size_t PalecZacP2 = 46;  // 4 flags: "2nd Pick-up"
inline constexpr std::size_t PalecEndP2 = 50;
inline constexpr std::size_t Input1 = 54;
inline constexpr std::size_t Input2 = 55;
inline constexpr std::size_t InNeutralSs = 56;
inline constexpr std::size_t PICKUPS_INTERCHANGE = 57;
inline constexpr std::size_t NO_LOBE_CHECK = 58;
inline constexpr std::size_t SPARK_BEFORE_LOBE = 59;
inline constexpr std::size_t SPECIAL_START = 60;
inline constexpr std::size_t Reserved61 = 61;  // nine bytes
inline constexpr std::size_t SERVO_RPM = 70;   // 10 bytes, hundreds of rpm
inline constexpr std::size_t SERVO_MV = 80;    // 10 bytes, units of 20 mV
inline constexpr std::size_t RPM_ADV = 90;     // 10 bytes, hundreds of rpm
inline constexpr std::size_t ADVANCE = 100;    // 10 x 10 bytes, degrees

inline constexpr std::size_t kChannels = 4;
inline constexpr std::size_t kAxisPoints = 10;
inline constexpr std::size_t kLobeFlags = 16;  // bytes 38..53

// Map cell for throttle row `row` and rpm column `column`.
constexpr std::size_t AdvanceCell(std::size_t row, std::size_t column) {
  return ADVANCE + 10 * row + column;
}

// Bytes that no control edits and the ".ign" file does not store.
constexpr bool IsReserved(std::size_t byte) {
  return byte == Reserved14 || byte == Reserved18 || byte == Reserved19 || byte == Reserved29 ||
         (byte >= Reserved61 && byte < Reserved61 + 9);
}
}  // namespace field

}  // namespace zarvell
