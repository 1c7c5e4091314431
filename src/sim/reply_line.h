// The simulated unit's transmit side: reply frames sent at once or held back until a later
// tick, and read out by the program in whatever pieces it asks for. Fixed storage: a program
// that stops reading loses the replies that no longer fit, as it would on a real line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "link/frame.h"

namespace zarvell::sim {

class ReplyLine {
 public:
  static constexpr std::size_t kFrames = 16;

  void Send(const link::Frame& frame);
  // Holds the frame back until ComeDue(tick) runs with `tick` or later.
  void SendAt(const link::Frame& frame, std::uint32_t tick);
  // Sends the held-back frames whose tick has come, in the order they were held.
  void ComeDue(std::uint32_t tick);
  // Drops everything, sent or held back.
  void Clear();

  std::size_t Pending() const { return size_; }
  std::size_t Take(std::span<std::uint8_t> into);

 private:
  struct Held {
    link::Frame frame{};
    std::uint32_t due = 0;
  };

  std::array<std::uint8_t, kFrames * link::kFrameSize> bytes_{};
  std::size_t head_ = 0;  // ring buffer: first unread byte
  std::size_t size_ = 0;
  std::array<Held, kFrames> held_{};
  std::size_t heldCount_ = 0;
};

}  // namespace zarvell::sim
