// Reading, programming and verifying the unit's parameter set in blocks of 100 bytes, one
// request and one reply at a time, paced by the 55 ms tick: a frame is sent again after four
// silent ticks and given up after its fifth send. A programming run and a read run both end in
// a verification. The engine knows nothing of ports, clocks or controls: its owner delivers
// replies and ticks and carries its frames to the unit.
#pragma once

#include <array>
#include <cstdint>

#include "link/frame.h"
#include "link/unit_info.h"
#include "params/image.h"

namespace zarvell::link {

enum class TransferMode : std::uint8_t { Idle = 0, Programming = 1, Verifying = 2, Reading = 3 };

// What changed for the display after a tick or a reply.
enum class TransferEvent : std::uint8_t {
  Ignored,           // a reply that is not the answer awaited, or fails its check byte
  None,              // waiting, a frame sent again, or an answer whose content is refused
  NextBlock,         // a block was accepted and the next one sent: the gauge moves on
  SwitchedToVerify,  // all blocks are in and the verification has begun
  VerifyOk,          // the unit holds the image: the run is over
  Failed,            // a frame went unanswered five times; failedMode() says which run
  VersionMismatch,   // the unit runs another program version; stopped before block 1
  ReadRefused,       // the unit forbids reading; the image is unchanged
};

// What the engine needs from its owner.
class TransferLink {
 public:
  virtual ~TransferLink() = default;
  virtual void SendFrame(const Frame& frame) = 0;
  // The unit identified itself (the reply to block 0).
  virtual void UnitIdentified(const UnitInfoBlock& block) = 0;
  // The image must be validated and shown again: it is about to be written to the unit
  // (Current), a read stopped before it changed it (Current), or the unit's whole set has
  // replaced it (NewSet), which makes whatever belonged to the previous set obsolete.
  enum class Refresh : std::uint8_t { Current, NewSet };
  virtual void RefreshImage(Refresh what) = 0;
};

class BlockTransfer {
 public:
  static constexpr std::uint8_t kProgramVersion = 75;

  explicit BlockTransfer(TransferLink& link) : link_(link) {}

  // Replaces whatever run was going on. The first frame leaves with the next ticks.
  void Start(TransferMode mode);
  // The transfer step of a tick while a run is going on.
  TransferEvent Step(const ParameterImage& image);
  // The monitor divider of an idle tick: true on every sixth call.
  bool MonitorDue();
  // A received frame whose first byte is not the monitor reply's. Any event but Ignored means
  // the unit answered.
  TransferEvent HandleReply(FrameView reply, ParameterImage& image);
  void Stop() { mode_ = TransferMode::Idle; }

  TransferMode mode() const { return mode_; }
  TransferMode failedMode() const { return failedMode_; }
  std::uint8_t command() const { return command_; }
  std::uint8_t attempts() const { return attempts_; }
  // The programming blocks were all accepted; the final OK names programming.
  bool programDone() const { return programDone_; }
  void ClearProgramDone() { programDone_ = false; }
  const UnitInfoBlock& unitInfo() const { return unitInfo_; }

 private:
  std::uint8_t Block() const { return command_ & code::kBlockMask; }
  void SendBlockFrame(const ParameterImage& image);
  TransferEvent NextBlock(const ParameterImage& image);
  TransferEvent SwitchToVerify(const ParameterImage& image);
  bool VersionMatches();
  bool BlockMatches(std::span<const std::uint8_t, kFrameData> data, const ParameterImage& image,
                    bool skipReadLock) const;

  TransferLink& link_;
  TransferMode mode_ = TransferMode::Idle;
  TransferMode failedMode_ = TransferMode::Idle;
  std::uint8_t command_ = 0;
  std::uint8_t sendTicks_ = 0;  // also the divider of the monitor requests
  std::uint8_t attempts_ = 0;
  bool programDone_ = false;
  UnitInfoBlock unitInfo_{};
  // Block 1 of a read waits here for block 2, so a read that breaks off changes nothing.
  std::array<std::uint8_t, kFrameData> readBlock1_{};
};

}  // namespace zarvell::link
