// The link's share of the 55 ms tick, and what a whole programming run costs: in ticks with the
// simulated unit in-process, and in wall time over a pseudo-terminal to zarvell-unit-sim.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/form_hlav.h"
#include "bench_window.h"
#include "design/main_design.h"
#include "link/operating_point.h"
#include "link/posix_serial_port.h"
#include "mapedit/live_highlight.h"
#include "params/bindings.h"
#include "sim/in_process_ports.h"
#include "sim/unit_sim.h"
#include "ui/scripted_host.h"

extern char** environ;

namespace zarvell {
namespace {

using namespace design;

// A unit that has a monitor reply waiting at every poll.
struct ChattyDevice final : sim::Device {
  link::Frame reply = link::EncodeMonitorReply(sim::UnitSim().LiveValues());
  void Receive(std::span<const std::uint8_t>) override {}
  std::size_t Pending() const override { return reply.size(); }
  std::size_t Take(std::span<std::uint8_t> into) override {
    std::copy(reply.begin(), reply.end(), into.begin());
    return reply.size();
  }
};

void BM_TickWithMonitorReply(benchmark::State& state) {
  BenchWindow w;
  ChattyDevice unit;
  w.ports.Attach(HeadlessWindow::kCom1, unit);
  for (auto _ : state) w.form.Timer1Timer();
}
BENCHMARK(BM_TickWithMonitorReply);

// The highlight alone: the operating point still, or moving to another cell every tick.
void BM_HighlightOperatingPoint(benchmark::State& state) {
  BenchWindow w;
  ui::ControlModel controls = NewMainControls();
  link::LiveState live;
  const bool moving = state.range(0) != 0;
  std::uint16_t rpm = 3000;
  for (auto _ : state) {
    if (moving) rpm = rpm == 3000 ? 6000 : 3000;
    live.rpm = rpm;
    link::FindOperatingPoint(w.form.image(), false, live);
    HighlightOperatingPoint(live, controls);
  }
}
BENCHMARK(BM_HighlightOperatingPoint)->ArgName("moving")->Arg(0)->Arg(1);

// Program click to the end of the verification, with the unit in-process: the ticks it takes.
void BM_ProgramAndVerifyInProcess(benchmark::State& state) {
  BenchWindow w;
  sim::UnitSim unit;
  w.ports.Attach(HeadlessWindow::kCom1, unit);
  double ticks = 0;
  for (auto _ : state) {
    ui::DeliverClick(w.form.controls(), w.form, BitBtnProgram);
    do {
      unit.Tick();
      w.form.Timer1Timer();
      ++ticks;
    } while (w.form.transfer().mode() != link::TransferMode::Idle);
  }
  state.counters["ticks"] = benchmark::Counter(ticks, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ProgramAndVerifyInProcess);

// The same run as the user sees it: the window on the POSIX port, the unit in zarvell-unit-sim
// behind a pseudo-terminal, the tick paced at 55 ms of real time.
void BM_ProgramAndVerifyOverPty(benchmark::State& state) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zarvell-bench-pty-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string link = (dir / "unit").string();
  std::vector<std::string> words = {ZARVELL_UNIT_SIM, "--link", link};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // The unit prints its terminal's path; the benchmark's output has no use for it.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, ZARVELL_UNIT_SIM, &quiet, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) {
    state.SkipWithError("cannot start zarvell-unit-sim");
    return;
  }
  for (int i = 0; i < 50 && !std::filesystem::exists(link); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  std::ofstream(dir / "Zarvell_v75.ini")
      << "[FORM_HLAV]\nComPort=1\n[PORTS]\nCOM1=" << link << '\n';
  {
    ProcessState process;
    ui::ScriptedHost host;
    link::PosixSerialPort port;
    TFormHlav form(process, host, port, ConfigPathsIn(dir));
    form.FormCreate(std::vector<std::string>{});
    double ticks = 0;
    for (auto _ : state) {
      ui::DeliverClick(form.controls(), form, BitBtnProgram);
      auto next = std::chrono::steady_clock::now();
      do {
        next += ui::kTickPeriod;
        std::this_thread::sleep_until(next);
        form.Timer1Timer();
        ++ticks;
      } while (form.transfer().mode() != link::TransferMode::Idle);
      if (form.controls()[LabelHlaseni].caption != "Verify:: OK") {
        state.SkipWithError("the run did not end in a verified set");
        break;
      }
    }
    state.counters["ticks"] = benchmark::Counter(ticks, benchmark::Counter::kAvgIterations);
    form.FormClose();
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ProgramAndVerifyOverPty)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace zarvell
