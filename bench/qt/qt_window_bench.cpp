// What a user of the real window waits for: the window coming up (widgets built from the
// design, start-up, first sync) and a language switch with its copy to the widgets. Runs on
// Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "qt/program.h"
#include "sim/in_process_ports.h"

namespace zarvell::qt {
namespace {

const std::filesystem::path kNoConfig =
    std::filesystem::temp_directory_path() / "zarvell-bench-no-config";
const std::vector<std::string> kNoArguments;

// COM1 opens, and no unit answers.
struct Bench {
  sim::AdapterWithoutUnit com1{"/dev/ttyUSB0"};
  Program program{kNoConfig, kNoArguments, com1.ports};
};

void BM_WindowComesUp(benchmark::State& state) {
  sim::AdapterWithoutUnit com1{"/dev/ttyUSB0"};
  for (auto _ : state) {
    Program program(kNoConfig, kNoArguments, com1.ports);
    benchmark::DoNotOptimize(&program);
    state.PauseTiming();
    program.mainWindow().hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowComesUp)->Unit(benchmark::kMillisecond);

void BM_LanguageSwitchOnScreen(benchmark::State& state) {
  Bench bench;
  Program& program = bench.program;
  FormView& view = program.view();
  const ui::ControlIndex czech = view.model.Find("MenuCzech");
  const ui::ControlIndex german = view.model.Find("MenuGerman");
  bool toCzech = false;
  for (auto _ : state) {
    toCzech = !toCzech;
    const ui::ControlIndex item = toCzech ? czech : german;
    program.hub().Run([&] { ui::DeliverClick(view.model, view.events, item); }, &view, item);
  }
}
BENCHMARK(BM_LanguageSwitchOnScreen)->Unit(benchmark::kMicrosecond);

// A map cell typed and left, with the refresh of every control copied to the widgets: what a
// user waits for between two fields.
void BM_EditOnScreen(benchmark::State& state) {
  Bench bench;
  Program& program = bench.program;
  FormView& view = program.view();
  const ui::ControlIndex cell = view.model.Find("Edit145");
  bool high = false;
  for (auto _ : state) {
    high = !high;
    view.model.SetText(cell, high ? "40" : "30");
    program.hub().Run([&] { ui::DeliverEditExit(view.model, view.events, cell); }, &view, cell);
  }
}
BENCHMARK(BM_EditOnScreen)->Unit(benchmark::kMicrosecond);

// Switching the map page between the table and the 2D graph: the view rules show and hide
// some 150 widgets.
void BM_MapViewSwitchOnScreen(benchmark::State& state) {
  Bench bench;
  Program& program = bench.program;
  FormView& view = program.view();
  const ui::ControlIndex table = view.model.Find("AMapForm");
  const ui::ControlIndex graph = view.model.Find("AMapModeGraph");
  bool toGraph = false;
  for (auto _ : state) {
    toGraph = !toGraph;
    const ui::ControlIndex button = toGraph ? graph : table;
    program.hub().Run([&] { ui::DeliverClick(view.model, view.events, button); }, &view, button);
  }
}
BENCHMARK(BM_MapViewSwitchOnScreen)->Unit(benchmark::kMicrosecond);

void BM_IdleTickOnScreen(benchmark::State& state) {
  Bench bench;
  Program& program = bench.program;
  FormView& view = program.view();
  for (auto _ : state) program.hub().Run([&] { view.events.OnTick(); });
}
BENCHMARK(BM_IdleTickOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zarvell::qt

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zarvell::qt::ConfigureApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
