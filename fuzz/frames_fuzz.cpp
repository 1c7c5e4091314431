// Bytes from the unit, in any pieces and in the middle of any transfer: the window must not
// fail, and only a read may change the parameter image. The simulated unit takes the same
// bytes as requests and may answer only with whole, valid frames.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>
#include <string>
#include <vector>

#include "app/form_hlav.h"
#include "sim/in_process_ports.h"
#include "sim/unit_sim.h"
#include "ui/scripted_host.h"

namespace {

using namespace zarvell;

// Hands the window what the test queued, at most `piece` bytes a poll.
struct QueuedDevice final : sim::Device {
  std::deque<std::uint8_t> out;
  void Receive(std::span<const std::uint8_t>) override {}
  std::size_t Pending() const override { return out.size(); }
  std::size_t Take(std::span<std::uint8_t> into) override {
    const std::size_t n = std::min(into.size(), out.size());
    std::copy_n(out.begin(), n, into.begin());
    out.erase(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
  }
};

void CheckWindow(std::span<const std::uint8_t> input) {
  static constexpr design::ControlId kStarts[] = {design::BitBtnProgram, design::BitBtnVerify,
                                                  design::ButtonRead};
  ProcessState process;
  ui::ScriptedHost host;
  QueuedDevice unit;
  sim::InProcessPorts ports;
  ports.Attach("/dev/ttyUSB0", unit);
  TFormHlav form(process, host, ports, ConfigPathsIn("/nonexistent/zarvell-fuzz"));
  form.FormCreate(std::vector<std::string>{});
  const std::uint8_t start = input[0] % 4;
  if (start < 3) ui::DeliverClick(form.controls(), form, kStarts[start]);
  const ParameterImage before = form.image();
  const std::size_t piece = 1 + (input.size() > 1 ? input[1] : 0);
  for (std::size_t at = 1; at < input.size(); at += piece) {
    const auto chunk = input.subspan(at, std::min(piece, input.size() - at));
    unit.out.insert(unit.out.end(), chunk.begin(), chunk.end());
    form.Timer1Timer();
  }
  for (int tick = 0; tick < 30; ++tick) form.Timer1Timer();
  if (start != 2 && form.image() != before) std::abort();
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
  CheckWindow(input);
  CheckUnit(input);
  return 0;
}
