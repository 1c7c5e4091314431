#include "sim/unit_sim.h"

#include <algorithm>
#include <string_view>

#include "mapedit/startup_image.h"

namespace zarvell::sim {
namespace {

// The simulated firmware: "SIM75", built on 14 March 2024 at 09:30.
namespace ident {
constexpr std::string_view kShortName = "SIM";
constexpr std::uint8_t kNumber = 75;
constexpr std::uint8_t kDay = 14;
constexpr std::uint8_t kMonthCode = 32;  // 'M' + 'a' + 'r', low byte
constexpr std::uint8_t kYear = 24;
constexpr std::uint8_t kHour = 9;
constexpr std::uint8_t kMinute = 30;
constexpr std::string_view kLongName = "Zarvell simulated unit";

// Data byte positions in the block.
constexpr std::size_t kReadOut = 9;
constexpr std::size_t kVersion = 10;
constexpr std::size_t kLongNameAt = 16;
}  // namespace ident

// The data byte a corrupting fault changes, and how.
constexpr std::size_t kCorruptedData = 5;
constexpr std::uint8_t kCorruptionBits = 0x01;

constexpr std::size_t kBlockBytes = link::kFrameData;

}  // namespace

UnitSim::UnitSim() {
  // As the program starts: bike 20, its default set, one validation pass. A unit fresh from
  // the simulator then verifies against a freshly started program.
  const ParameterImage image = StartupImage();
  std::copy_n(image.block.begin(), params_.size(), params_.begin());
}

void UnitSim::Receive(std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t byte : bytes) {
    if (Silent()) return;  // also when a request has just unplugged the unit
    if (assembler_.Push(byte)) Handle(assembler_.frame());
  }
}

void UnitSim::Tick() {
  ++ticks_;
  saveCountdown_ = saveCountdown_ > kSaveStep ? saveCountdown_ - kSaveStep : 0;
  if (silentTicks_ > 0) --silentTicks_;
  line_.ComeDue(ticks_);
  assembler_.Tick();
}

link::MonitorValues UnitSim::LiveValues() const {
  const OperatingPoint point = fixedPoint_.value_or(EngineAt(params_, ticks_));
  link::MonitorValues v = EngineValues(params_, point, ticks_);
  v.programCount = programCount_;
  v.saveCountdown = saveCountdown_;
  v.unitVersion = version_;
  v.test[0] = static_cast<std::uint16_t>(ticks_);
  v.test[1] = static_cast<std::uint16_t>(assembler_.rejected());
  if (throttleRaw_) v.tpsRaw = *throttleRaw_;
  v.killSwitch = switches_.killSwitch;
  v.blocking = switches_.blocking;
  v.clutch = switches_.clutch;
  return v;
}

void UnitSim::Handle(const link::Frame& request) {
  const std::uint8_t code = request[0];
  ++requests_[code];
  const auto replyCode = static_cast<std::uint8_t>(code ^ link::code::kReplyBit);
  if (code == link::code::kMonitor) {
    if (saveVerified_ && silentWhenSaving_ && saveCountdown_ > 0) {
      saveUnreported_ = true;
      saveVerified_ = false;
      GoSilent(*silentWhenSaving_);
      return;
    }
    Send(link::EncodeMonitorReply(LiveValues()), std::nullopt);
    return;
  }
  if (!IsRequestCode(code)) return;

  const auto block = static_cast<std::uint8_t>(code & link::code::kBlockMask);
  if (block == 0) {
    Send(IdentificationReply(replyCode), block);
    return;
  }
  const std::size_t first = (block - 1) * kBlockBytes;
  const auto data = link::FrameData(request);
  if (code == (link::code::kReadBit | 2)) saveVerified_ = saveCountdown_ > 0;
  if ((code & link::code::kReadBit) == 0) {
    std::copy(data.begin(), data.end(), params_.begin() + static_cast<std::ptrdiff_t>(first));
    if (block == 2) {
      ++programCount_;
      saveCountdown_ = kSaveStart;
    }
  }
  Send(link::BuildFrame(replyCode, std::span(params_).subspan(first, kBlockBytes)), block);
}

link::Frame UnitSim::IdentificationReply(std::uint8_t replyCode) const {
  std::array<std::uint8_t, kBlockBytes> info{};
  std::copy(ident::kShortName.begin(), ident::kShortName.end(), info.begin());
  info[3] = ident::kNumber;
  info[4] = ident::kDay;
  info[5] = ident::kMonthCode;
  info[6] = ident::kYear;
  info[7] = ident::kHour;
  info[8] = ident::kMinute;
  info[ident::kReadOut] = (params_[field::NO_READING] == 0 && !refuseReadOut_) ? 1 : 0;
  info[ident::kVersion] = version_;
  std::copy(ident::kLongName.begin(), ident::kLongName.end(), info.begin() + ident::kLongNameAt);
  return link::BuildFrame(replyCode, info);
}

void UnitSim::Send(link::Frame reply, std::optional<std::uint8_t> block) {
  if (block && block == corruptBlock_) {
    reply[1 + kCorruptedData] ^= kCorruptionBits;
    link::SealFrame(reply);
  }
  ++repliesSinceDropSet_;
  if (dropEvery_ != 0 && repliesSinceDropSet_ % dropEvery_ == 0) return;
  if (lateTicks_ == 0) {
    line_.Send(reply);
  } else {
    line_.SendAt(reply, ticks_ + lateTicks_);
  }
}

void UnitSim::DropEveryReply(unsigned n) {
  dropEvery_ = n;
  repliesSinceDropSet_ = 0;
}

void UnitSim::GoSilent(unsigned ticks) {
  silentTicks_ = ticks;
  if (ticks == 0) return;
  line_.Clear();
  assembler_.Clear();
}

void UnitSim::ClearFaults() {
  DropEveryReply(0);
  corruptBlock_.reset();
  lateTicks_ = 0;
  version_ = kVersion;
  refuseReadOut_ = false;
  silentTicks_ = 0;
  throttleRaw_.reset();
  silentWhenSaving_.reset();
}

}  // namespace zarvell::sim
