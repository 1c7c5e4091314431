// The unit's parameter set: 200 bytes, every field addressed by name (params/fields.h).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "params/fields.h"

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
  // The number the window shows for byte `i` (0..199), in its field's unit.
  int Shown(std::size_t i) const { return ShowNumber(FieldAt(i).scale, block[i]); }

  friend bool operator==(const ParameterImage&, const ParameterImage&) = default;
};
static_assert(field_table::CoversEveryByteOnce(ParameterImage::kSize));

}  // namespace zarvell
