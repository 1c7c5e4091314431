// Something at the far end of a serial line, for the in-process ports: it takes the bytes the
// program writes and offers the bytes it has to send back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zarvell::sim {

class Device {
 public:
  virtual ~Device() = default;
  // Bytes written by the program, in whatever pieces they come.
  virtual void Receive(std::span<const std::uint8_t> bytes) = 0;
  // Bytes ready for the program to read.
  virtual std::size_t Pending() const = 0;
  // Moves up to into.size() of them into `into`; returns how many.
  virtual std::size_t Take(std::span<std::uint8_t> into) = 0;
};

}  // namespace zarvell::sim
