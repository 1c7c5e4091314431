#include "sim/request_assembler.h"

#include <algorithm>

namespace zarvell::sim {

bool IsRequestCode(std::uint8_t code) {
  if (code == link::code::kMonitor) return true;
  const auto kBlockCommandBits = static_cast<std::uint8_t>(link::code::kReadBit | 0x03);
  return (code & ~kBlockCommandBits) == 0 && (code & 0x03) != 0x03;
}

bool RequestAssembler::Push(std::uint8_t byte) {
  heardSinceTick_ = true;
  buffer_[fill_++] = byte;
  if (fill_ < link::kFrameSize) return false;
  if (link::FrameValid(buffer_)) {
    fill_ = 0;
    return true;
  }
  ++rejected_;
  Resynchronize();
  return false;
}

void RequestAssembler::Resynchronize() {
  std::size_t start = 1;
  while (start < fill_ && !IsRequestCode(buffer_[start])) ++start;
  std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(start),
            buffer_.begin() + static_cast<std::ptrdiff_t>(fill_), buffer_.begin());
  fill_ -= start;
}

void RequestAssembler::Tick() {
  if (!heardSinceTick_) fill_ = 0;
  heardSinceTick_ = false;
}

}  // namespace zarvell::sim
