#include <benchmark/benchmark.h>

#include "params/presets.h"

namespace zarvell {
namespace {

void BM_LoadDefaults(benchmark::State& state) {
  ParameterImage image;
  bool bikeChanged = false;
  std::uint8_t code = 0;
  for (auto _ : state) {
    image[field::BIKE] = code;
    code = static_cast<std::uint8_t>((code + 1) % kBikeCount);
    LoadDefaults(image, bikeChanged);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_LoadDefaults);

}  // namespace
}  // namespace zarvell
