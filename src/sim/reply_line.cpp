#include "sim/reply_line.h"

#include <algorithm>

namespace zarvell::sim {

void ReplyLine::Send(const link::Frame& frame) {
  if (bytes_.size() - size_ < frame.size()) return;
  for (const std::uint8_t byte : frame) bytes_[(head_ + size_++) % bytes_.size()] = byte;
}

void ReplyLine::SendAt(const link::Frame& frame, std::uint32_t tick) {
  if (heldCount_ == held_.size()) return;
  held_[heldCount_++] = {frame, tick};
}

void ReplyLine::ComeDue(std::uint32_t tick) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < heldCount_; ++i) {
    if (held_[i].due <= tick) {
      Send(held_[i].frame);
    } else {
      held_[kept++] = held_[i];
    }
  }
  heldCount_ = kept;
}

void ReplyLine::Clear() {
  head_ = 0;
  size_ = 0;
  heldCount_ = 0;
}

std::size_t ReplyLine::Take(std::span<std::uint8_t> into) {
  const std::size_t count = std::min(into.size(), size_);
  for (std::size_t i = 0; i < count; ++i) into[i] = bytes_[(head_ + i) % bytes_.size()];
  head_ = (head_ + count) % bytes_.size();
  size_ -= count;
  return count;
}

}  // namespace zarvell::sim
