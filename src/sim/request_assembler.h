// How the simulated unit cuts the byte stream from the program into request frames.
//
// A frame is complete at 102 bytes. One that fails its check byte loses its first byte and the
// scan goes on at the next byte that can start a request, so a stray byte on the line costs at
// most the frame it came with instead of shifting every later frame. A partial frame that gets
// no new byte during a whole tick is dropped, as a real unit's receive time-out drops it: the
// program writes each frame in one piece, so a frame cut short never waits for the next one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "link/frame.h"

namespace zarvell::sim {

// True for the codes the unit answers: monitor, and write or read of blocks 0..2.
bool IsRequestCode(std::uint8_t code);

class RequestAssembler {
 public:
  // Takes one byte; true when it completes a valid frame, which frame() then holds until the
  // next byte.
  bool Push(std::uint8_t byte);
  const link::Frame& frame() const { return buffer_; }
  // The receive time-out: called once per tick.
  void Tick();
  // Forgets a partial frame.
  void Clear() { fill_ = 0; }
  // Complete frames that failed the check, for the unit's diagnostic values.
  std::uint32_t rejected() const { return rejected_; }

 private:
  void Resynchronize();

  link::Frame buffer_{};
  std::size_t fill_ = 0;
  bool heardSinceTick_ = false;
  std::uint32_t rejected_ = 0;
};

}  // namespace zarvell::sim
