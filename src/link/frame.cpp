#include "link/frame.h"

#include <algorithm>

namespace zarvell::link {

void SealFrame(Frame& frame) {
  std::uint8_t check = 0xFF;
  for (std::size_t i = 0; i + 1 < kFrameSize; ++i) check ^= frame[i];
  frame[kFrameSize - 1] = check;
}

Frame BuildFrame(std::uint8_t code, std::span<const std::uint8_t> data) {
  Frame frame{};
  frame[0] = code;
  std::copy_n(data.begin(), std::min(data.size(), kFrameData), frame.begin() + 1);
  SealFrame(frame);
  return frame;
}

bool FrameValid(FrameView frame) {
  std::uint8_t sum = 0xFF;
  for (const std::uint8_t byte : frame) sum ^= byte;
  return sum == 0;
}

}  // namespace zarvell::link
