// The frame that carries every exchange with the unit, in both directions: a code byte, 100
// data bytes and a check byte chosen so that the XOR of all 102 bytes is 0xFF.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zarvell::link {

inline constexpr std::size_t kFrameSize = 102;
inline constexpr std::size_t kFrameData = 100;
using Frame = std::array<std::uint8_t, kFrameSize>;
using FrameView = std::span<const std::uint8_t, kFrameSize>;

// Command codes sent by the program. The unit answers with the code XOR kReplyBit. For the
// block commands, kReadBit selects reading and the low six bits the block.
namespace code {
inline constexpr std::uint8_t kWriteBlock0 = 0x00;
inline constexpr std::uint8_t kReadBlock0 = 0x40;
inline constexpr std::uint8_t kMonitor = 0x30;
inline constexpr std::uint8_t kMonitorReply = 0xB0;
inline constexpr std::uint8_t kReplyBit = 0x80;
inline constexpr std::uint8_t kReadBit = 0x40;
inline constexpr std::uint8_t kBlockMask = 0x3F;
}  // namespace code

// Writes the check byte over the code and data already in place.
void SealFrame(Frame& frame);
// A frame with this code and data (zeros beyond `data`), sealed.
Frame BuildFrame(std::uint8_t code, std::span<const std::uint8_t> data = {});
// The XOR of all 102 bytes is 0xFF.
bool FrameValid(FrameView frame);
// The 100 data bytes.
inline std::span<const std::uint8_t, kFrameData> FrameData(FrameView frame) {
  return frame.subspan<1, kFrameData>();
}

}  // namespace zarvell::link
