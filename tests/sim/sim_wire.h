// Frames written out by hand for the simulated unit's tests, so that a slip in the link's own
// frame code cannot hide in both the request and the check.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "sim/device.h"

namespace zarvell::testutil {

using Bytes = std::vector<std::uint8_t>;

// Code, 100 data bytes (the given ones first, then zeros), and the check byte that makes the
// XOR of all 102 bytes 0xFF.
inline Bytes Request(std::uint8_t code, const Bytes& data = {}) {
  Bytes frame(102, 0);
  frame[0] = code;
  for (std::size_t i = 0; i < data.size() && i < 100; ++i) frame[1 + i] = data[i];
  std::uint8_t check = 0xFF;
  for (std::size_t i = 0; i < 101; ++i) check ^= frame[i];
  frame[101] = check;
  return frame;
}

inline bool CheckByteHolds(const Bytes& frame) {
  std::uint8_t sum = 0xFF;
  for (const std::uint8_t byte : frame) sum ^= byte;
  return frame.size() == 102 && sum == 0;
}

// Everything the device has to send now.
inline Bytes Drain(sim::Device& device) {
  Bytes out(device.Pending());
  out.resize(device.Take(out));
  return out;
}

// Sends the bytes in one piece and returns what the device answers at once.
inline Bytes Exchange(sim::Device& device, const Bytes& bytes) {
  device.Receive(bytes);
  return Drain(device);
}

inline unsigned Word(const Bytes& frame, std::size_t at) {
  return frame.at(at) | (frame.at(at + 1) << 8);
}

}  // namespace zarvell::testutil
