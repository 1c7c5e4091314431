#include "link/block_transfer.h"

#include <algorithm>

namespace zarvell::link {
namespace {

constexpr std::uint8_t kTicksPerSend = 4;
constexpr std::uint8_t kMaxSends = 5;
constexpr std::uint8_t kTicksPerMonitorRequest = 6;
constexpr std::uint8_t kVerifyBlock1 = 0x41;

std::span<const std::uint8_t, kFrameData> ImageBlock(const ParameterImage& image, int block) {
  return std::span<const std::uint8_t, kFrameData>(image.block.data() + (block - 1) * kFrameData,
                                                   kFrameData);
}

}  // namespace

void BlockTransfer::Start(TransferMode mode) {
  mode_ = mode;
  switch (mode) {
    case TransferMode::Programming:
      command_ = code::kWriteBlock0;
      programDone_ = false;
      break;
    case TransferMode::Verifying:
      command_ = kVerifyBlock1;
      break;
    case TransferMode::Reading:
      command_ = code::kReadBlock0;
      break;
    case TransferMode::Idle:
      break;
  }
  attempts_ = 0;
}

TransferEvent BlockTransfer::Step(const ParameterImage& image) {
  const bool reading = mode_ == TransferMode::Reading;
  TransferEvent event = TransferEvent::None;
  if (++sendTicks_ >= kTicksPerSend) {
    sendTicks_ = 0;
    if (++attempts_ <= kMaxSends) {
      SendBlockFrame(image);
    } else {
      failedMode_ = mode_;
      if (mode_ == TransferMode::Verifying) programDone_ = false;
      mode_ = TransferMode::Idle;
      event = TransferEvent::Failed;
    }
  }
  // What a read brings in has not been programmed, whatever an earlier run did.
  if (reading) programDone_ = false;
  return event;
}

bool BlockTransfer::MonitorDue() {
  if (++sendTicks_ < kTicksPerMonitorRequest) return false;
  sendTicks_ = 0;
  return true;
}

void BlockTransfer::SendBlockFrame(const ParameterImage& image) {
  sendTicks_ = 0;
  Frame frame{};
  frame[0] = command_;
  // Write and verify frames carry the image; read frames and block 0 carry zeros.
  if (mode_ != TransferMode::Reading && Block() != 0) {
    const auto data = ImageBlock(image, Block());
    std::copy(data.begin(), data.end(), frame.begin() + 1);
  }
  SealFrame(frame);
  link_.SendFrame(frame);
}

TransferEvent BlockTransfer::HandleReply(FrameView reply, ParameterImage& image) {
  if (!FrameValid(reply) || Block() > 2) return TransferEvent::Ignored;
  if (reply[0] != (command_ ^ code::kReplyBit) || mode_ == TransferMode::Idle) {
    return TransferEvent::Ignored;
  }
  const auto data = FrameData(reply);
  const int block = Block();
  switch (mode_) {
    case TransferMode::Reading:
      if (block == 0) {
        std::copy(data.begin(), data.end(), unitInfo_.begin());
        link_.UnitIdentified(unitInfo_);
        if (!VersionMatches()) return TransferEvent::VersionMismatch;
        if (unitInfo_[unit_info::kReadPermission] != 1) {
          mode_ = TransferMode::Idle;
          link_.RefreshImage(TransferLink::Refresh::Current);
          return TransferEvent::ReadRefused;
        }
        return NextBlock(image);
      }
      if (block == 1) {
        std::copy(data.begin(), data.end(), readBlock1_.begin());
        return NextBlock(image);
      }
      std::copy(readBlock1_.begin(), readBlock1_.end(), image.block.begin());
      std::copy(data.begin(), data.end(), image.block.begin() + kFrameData);
      link_.RefreshImage(TransferLink::Refresh::NewSet);
      return SwitchToVerify(image);
    case TransferMode::Verifying:
      if (!BlockMatches(data, image, true)) return TransferEvent::None;
      if (block < 2) return NextBlock(image);
      mode_ = TransferMode::Idle;
      return TransferEvent::VerifyOk;
    case TransferMode::Programming:
      if (block == 0) {
        std::copy(data.begin(), data.end(), unitInfo_.begin());
        link_.UnitIdentified(unitInfo_);
        link_.RefreshImage(TransferLink::Refresh::Current);
        if (!VersionMatches()) return TransferEvent::VersionMismatch;
        return NextBlock(image);
      }
      if (!BlockMatches(data, image, false)) return TransferEvent::None;
      if (block < 2) return NextBlock(image);
      programDone_ = true;
      return SwitchToVerify(image);
    case TransferMode::Idle:
      break;
  }
  return TransferEvent::Ignored;
}

// A read refreshes the image before the version message, since ticks go on under the box.
bool BlockTransfer::VersionMatches() {
  if (unitInfo_[unit_info::kVersion] == kProgramVersion) return true;
  const bool reading = mode_ == TransferMode::Reading;
  mode_ = TransferMode::Idle;
  if (reading) link_.RefreshImage(TransferLink::Refresh::Current);
  return false;
}

// The read-out lock may read back differently from what was written: the unit owns it.
bool BlockTransfer::BlockMatches(std::span<const std::uint8_t, kFrameData> data,
                                 const ParameterImage& image, bool skipReadLock) const {
  const auto expected = ImageBlock(image, Block());
  for (std::size_t i = 0; i < kFrameData; ++i) {
    const bool readLock = Block() == 1 && i == field::NO_READING;
    if (data[i] != expected[i] && !(skipReadLock && readLock)) return false;
  }
  return true;
}

TransferEvent BlockTransfer::NextBlock(const ParameterImage& image) {
  ++command_;
  attempts_ = 1;
  SendBlockFrame(image);
  return TransferEvent::NextBlock;
}

TransferEvent BlockTransfer::SwitchToVerify(const ParameterImage& image) {
  mode_ = TransferMode::Verifying;
  command_ = kVerifyBlock1;
  attempts_ = 1;
  SendBlockFrame(image);
  return TransferEvent::SwitchedToVerify;
}

}  // namespace zarvell::link
