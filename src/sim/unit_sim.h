// A simulated ignition unit: it speaks the unit's protocol over any byte stream, keeps a
// parameter memory, answers with an identification block, reports live values of an engine
// that revs up and down, counts down its EEPROM save after programming, and can be told to
// misbehave in the ways real units and cables do.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "link/frame.h"
#include "link/monitor_reply.h"
#include "sim/device.h"
#include "sim/engine_motion.h"
#include "sim/reply_line.h"
#include "sim/request_assembler.h"

namespace zarvell::sim {

class UnitSim final : public Device {
 public:
  static constexpr std::uint16_t kSaveStart = 414;
  static constexpr std::uint16_t kSaveStep = 7;  // 414 down to 0 in 60 ticks: 3.3 s
  static constexpr std::uint8_t kVersion = 75;

  // Starts with the parameter set the program itself starts with: bike 20, its defaults and
  // the validation pass.
  UnitSim();

  // Device: request bytes in, reply bytes out. A reply can be read as soon as its request is
  // complete unless a fault holds it back.
  void Receive(std::span<const std::uint8_t> bytes) override;
  std::size_t Pending() const override { return line_.Pending(); }
  std::size_t Take(std::span<std::uint8_t> into) override { return line_.Take(into); }

  // 55 ms of the unit's life: the engine moves, held-back replies come due, the save countdown
  // and a silence run, and a partial request that got no new byte is dropped.
  void Tick();
  std::uint32_t Ticks() const { return ticks_; }

  // The parameter memory, bytes 0..199.
  std::uint8_t Param(std::size_t byte) const { return params_.at(byte); }
  void SetParam(std::size_t byte, std::uint8_t value) { params_.at(byte) = value; }
  ParamView Params() const { return params_; }

  // Holds the engine at a fixed speed and throttle instead of the sweep.
  void SetLive(std::uint16_t rpm, std::uint8_t tpsPercent) { fixedPoint_ = {rpm, tpsPercent}; }
  void ClearLive() { fixedPoint_.reset(); }
  // The rider's switches as the monitor replies report them: kill switch, blocking, clutch.
  struct Switches {
    bool killSwitch = false;
    bool blocking = false;
    bool clutch = false;
  };
  void SetSwitches(Switches switches) { switches_ = switches; }
  // What a monitor request would be answered with now.
  link::MonitorValues LiveValues() const;

  std::uint16_t ProgramCount() const { return programCount_; }
  std::uint16_t SaveCountdown() const { return saveCountdown_; }
  // Valid request frames taken with this code (silence ignores them uncounted).
  std::uint32_t Requests(std::uint8_t code) const { return requests_[code]; }

  // Faults. Each lasts until ClearFaults() or until set again.
  // Every n-th reply from now on is lost on the way (0: none). Lost replies still take effect.
  void DropEveryReply(unsigned n);
  // Every reply to a read or write of this block (0..2) has one data byte changed, with a check
  // byte that matches the change.
  void CorruptBlock(std::uint8_t block) { corruptBlock_ = block; }
  // Every reply from now on leaves `ticks` ticks after its request.
  void ReplyLate(unsigned ticks) { lateTicks_ = ticks; }
  // The version reported in the identification block and the monitor replies.
  void ReportVersion(std::uint8_t version) { version_ = version; }
  // The identification block forbids reading out, whatever the memory says.
  void RefuseReadOut(bool refuse) { refuseReadOut_ = refuse; }
  // Unplugged for the next `ticks` ticks: whatever was on the way is lost, requests are ignored
  // and nothing is sent; afterwards the unit answers again.
  void GoSilent(unsigned ticks);
  bool Silent() const { return silentTicks_ > 0; }
  // The monitor replies carry this throttle converter reading (0..1023 for a healthy sensor),
  // whatever throttle percentage they report: a sensor out of its calibration.
  void ReportThrottleRaw(std::uint16_t raw) { throttleRaw_ = raw; }
  // Unplugged during the save that follows a programming run: the first monitor request after
  // the verification goes unanswered, and `ticks` ticks of silence begin with it.
  void SilentWhenSaving(unsigned ticks) { silentWhenSaving_ = ticks; }
  // That silence has begun.
  bool SaveUnreported() const { return saveUnreported_; }
  void ClearFaults();

 private:
  void Handle(const link::Frame& request);
  link::Frame IdentificationReply(std::uint8_t replyCode) const;
  void Send(link::Frame reply, std::optional<std::uint8_t> block);

  std::array<std::uint8_t, kParamCount> params_{};
  RequestAssembler assembler_;
  ReplyLine line_;
  std::array<std::uint32_t, 256> requests_{};
  std::uint32_t ticks_ = 0;
  std::optional<OperatingPoint> fixedPoint_;
  Switches switches_;
  std::uint16_t programCount_ = 0;
  std::uint16_t saveCountdown_ = 0;

  unsigned dropEvery_ = 0;
  unsigned repliesSinceDropSet_ = 0;
  std::optional<std::uint8_t> corruptBlock_;
  unsigned lateTicks_ = 0;
  std::uint8_t version_ = kVersion;
  bool refuseReadOut_ = false;
  unsigned silentTicks_ = 0;
  std::optional<std::uint16_t> throttleRaw_;
  std::optional<unsigned> silentWhenSaving_;
  bool saveVerified_ = false;  // the verification of the set being saved was answered
  bool saveUnreported_ = false;
};

}  // namespace zarvell::sim
