#include <benchmark/benchmark.h>

#include "mapedit/sanitize.h"
#include "params/presets.h"

namespace zarvell {
namespace {

// Arg 0: an ordinary pass over the start-up set, nothing to order. Arg 1: every pass is an edit
// commit that moves breakpoint 0 to the top of its range (pushing the nine others) or back down
// (letting all nine spring back).
void BM_SanitizeImage(benchmark::State& state) {
  const bool longChain = state.range(0) != 0;
  ParameterImage image = DefaultImage(kStartupBike);
  AxisMemory memory;
  AxisAnchor anchor;
  std::uint8_t language = 0, comPort = 0, autoPort = 0;
  const ApplicationIndices app{language, comPort, autoPort};
  SanitizeImage(image, memory, anchor, app);
  const std::uint8_t first = image[field::RPM_ADV];
  bool up = false;
  for (auto _ : state) {
    if (longChain) {
      up = !up;
      memory.pinRequest = -2;
      image[field::RPM_ADV] = up ? 190 : first;
    }
    SanitizeImage(image, memory, anchor, app);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_SanitizeImage)->ArgName("longChain")->Arg(0)->Arg(1);

}  // namespace
}  // namespace zarvell
