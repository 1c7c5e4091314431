// What a user of the real window waits for: the window coming up (widgets built from the
// design, start-up, first sync) and a language switch with its copy to the widgets. Runs on
// Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "qt/program.h"

namespace zarvell::qt {
namespace {

const std::filesystem::path kNoConfig =
    std::filesystem::temp_directory_path() / "zarvell-bench-no-config";
const std::vector<std::string> kNoArguments;

void BM_WindowComesUp(benchmark::State& state) {
  for (auto _ : state) {
    Program program(kNoConfig, kNoArguments);
    benchmark::DoNotOptimize(&program);
    state.PauseTiming();
    program.mainWindow().hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowComesUp)->Unit(benchmark::kMillisecond);

void BM_LanguageSwitchOnScreen(benchmark::State& state) {
  Program program(kNoConfig, kNoArguments);
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

void BM_IdleTickOnScreen(benchmark::State& state) {
  Program program(kNoConfig, kNoArguments);
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
