// Bytes from the unit, in any pieces and in the middle of any run, taken as the window's tick
// takes them: the receive poll, the transfer engine with its resends, the live display and the
// operating-point highlight, without building a window per input. Only a read may change the
// parameter image, and only when its second block arrives; every frame sent is valid, belongs
// to the run, and a write carries the image's block. The simulated unit takes the same bytes as
// requests and may answer only with whole, valid frames.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "app/live_values.h"
#include "design/texts/messages.h"
#include "link/block_transfer.h"
#include "link/com_link.h"
#include "link/monitor_reply.h"
#include "link/operating_point.h"
#include "link/serial_port.h"
#include "mapedit/live_highlight.h"
#include "params/bindings.h"
#include "params/presets.h"
#include "sim/unit_sim.h"

namespace {

using namespace zarvell;
using link::TransferEvent;
using link::TransferMode;

// The line from the unit: hands the poll what the input queued so far, never more.
class FeedPort final : public link::SerialPort {
 public:
  explicit FeedPort(std::span<const std::uint8_t> input) : input_(input) {}
  // The next `count` bytes of the input arrive.
  void Arrive(std::size_t count) { arrived_ = std::min(input_.size(), arrived_ + count); }

  bool Open(const std::string&) override { return true; }
  void Close() override {}
  bool IsOpen() const override { return true; }
  std::size_t BytesWaiting() override { return arrived_ - read_; }
  std::size_t Read(std::span<std::uint8_t> into) override {
    const std::size_t n = std::min(into.size(), BytesWaiting());
    std::copy_n(input_.begin() + static_cast<std::ptrdiff_t>(read_), n, into.begin());
    read_ += n;
    return n;
  }
  void WriteAndDrain(std::span<const std::uint8_t>) override {}
  void PurgeReceive() override { read_ = arrived_; }

 private:
  std::span<const std::uint8_t> input_;
  std::size_t arrived_ = 0;
  std::size_t read_ = 0;
};

// What every input starts from, built once: the English texts and the start-up set, and the
// controls, which only ever take captions and colours and so may carry them from input to input.
struct Start {
  Start() {
    LoadMessageEntries(texts, 0, MessageLoader::Captions);
    LoadMessageEntries(texts, 0, MessageLoader::Messages);
    image = DefaultImage(kStartupBike);
  }
  ui::ControlModel controls = NewMainControls();
  TextTable texts;
  ParameterImage image;
};

bool Allowed(TransferMode run, std::uint8_t code) {
  switch (run) {
    case TransferMode::Programming:
      return code <= 0x02 || code == 0x41 || code == 0x42;
    case TransferMode::Verifying:
      return code == 0x41 || code == 0x42;
    case TransferMode::Reading:
      return code >= 0x40 && code <= 0x42;
    case TransferMode::Idle:
      return false;
  }
  return false;
}

// The window's side of the engine, checking each frame it is given to send.
class CheckedLink final : public link::TransferLink {
 public:
  CheckedLink(TransferMode run, const ParameterImage& image) : run_(run), image_(image) {}
  void SendFrame(const link::Frame& frame) override {
    if (!link::FrameValid(frame) || !Allowed(run_, frame[0])) std::abort();
    const int block = frame[0] & link::code::kBlockMask;
    if (frame[0] == block && block > 0 &&
        !std::equal(frame.begin() + 1, frame.end() - 1,
                    image_.block.begin() + (block - 1) * link::kFrameData)) {
      std::abort();
    }
  }
  void UnitIdentified(const link::UnitInfoBlock&) override {}
  void RefreshImage(Refresh) override {}

 private:
  TransferMode run_;
  const ParameterImage& image_;
};

void CheckMonitorReply(link::FrameView frame, const Start& start, ParameterImage& image,
                       link::LiveState& live, ui::ControlModel& controls) {
  const std::optional<link::MonitorValues> values = link::DecodeMonitorReply(frame);
  if (!values) return;
  if (!link::FrameValid(frame)) std::abort();
  // Whatever was decoded survives being sent again.
  const link::Frame again = link::EncodeMonitorReply(*values);
  const std::optional<link::MonitorValues> reread = link::DecodeMonitorReply(again);
  if (!reread || link::EncodeMonitorReply(*reread) != again) std::abort();
  ShowMonitorValues(*values, image, start.texts, live, controls);
  // The highlight depends on nothing else, so once per reply covers what every tick would.
  link::FindOperatingPoint(image, controls[design::CheckBoxTpsMapa].checked, live);
  HighlightOperatingPoint(live, controls);
}

// The unit's bytes: each whole frame with its check byte put right, unless `raw`, so that
// changed data reaches the engine and does not merely fail the check.
std::vector<std::uint8_t> Stream(std::span<const std::uint8_t> bytes, bool raw) {
  std::vector<std::uint8_t> stream(bytes.begin(), bytes.end());
  for (std::size_t at = 0; !raw && at + link::kFrameSize <= stream.size(); at += link::kFrameSize) {
    link::Frame frame;
    std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(at), link::kFrameSize, frame.begin());
    link::SealFrame(frame);
    stream[at + link::kFrameSize - 1] = frame.back();
  }
  return stream;
}

// Byte 0: the run in bits 0 and 1 (program, verify, read, or only monitor), bit 2 keeps the check
// bytes as they come; byte 1: the bytes that arrive per tick, less one; then what the unit sends.
void CheckLink(std::span<const std::uint8_t> input) {
  static Start start;
  static constexpr TransferMode kRuns[] = {TransferMode::Programming, TransferMode::Verifying,
                                           TransferMode::Reading, TransferMode::Idle};
  const TransferMode run = kRuns[input[0] % 4];
  ParameterImage image = start.image;
  ui::ControlModel& controls = start.controls;
  link::LiveState live;
  CheckedLink checked(run, image);
  link::BlockTransfer transfer(checked);
  const std::vector<std::uint8_t> stream =
      Stream(input.subspan(std::min<std::size_t>(2, input.size())), (input[0] & 4) != 0);
  FeedPort port(stream);
  static link::FrameReceiver receiver;  // its buffer holds nothing from one poll to the next
  if (run != TransferMode::Idle) transfer.Start(run);

  const auto tick = [&] {
    const ParameterImage before = image;
    if (const std::optional<link::FrameView> frame = receiver.Poll(port)) {
      if ((*frame)[0] == link::code::kMonitorReply) {
        CheckMonitorReply(*frame, start, image, live, controls);
      } else {
        const bool reading = transfer.mode() == TransferMode::Reading;
        const TransferEvent event = transfer.HandleReply(*frame, image);
        if (image != before) {
          if (!reading || event != TransferEvent::SwitchedToVerify) std::abort();
          link::FindOperatingPoint(image, controls[design::CheckBoxTpsMapa].checked, live);
          HighlightOperatingPoint(live, controls);  // on the axes just read
        }
      }
    }
    const ParameterImage settled = image;
    if (transfer.mode() != TransferMode::Idle) {
      transfer.Step(image);
    } else {
      transfer.MonitorDue();
    }
    if (image != settled) std::abort();  // only a reply may bring bytes in
  };

  const std::size_t piece = 1 + (input.size() > 1 ? input[1] : 0);
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    port.Arrive(piece);
    tick();
  }
  for (int i = 0; i < 30; ++i) tick();
}

void CheckUnit(std::span<const std::uint8_t> input) {
  sim::UnitSim unit;
  unit.Receive(input);
  for (int tick = 0; tick < 3; ++tick) unit.Tick();
  std::vector<std::uint8_t> replies(unit.Pending());
  replies.resize(unit.Take(replies));
  if (replies.size() % link::kFrameSize != 0) std::abort();
  for (std::size_t at = 0; at < replies.size(); at += link::kFrameSize) {
    if (!link::FrameValid(link::FrameView(replies.data() + at, link::kFrameSize))) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> input(data, size);
  CheckLink(input);
  CheckUnit(input);
  return 0;
}
