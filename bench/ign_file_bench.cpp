#include <benchmark/benchmark.h>

#include "params/ign_file.h"
#include "params/presets.h"

namespace zarvell {
namespace {

struct QuietSink : IgnMessageSink {
  void Show(IgnMessage) override {}
};

void BM_WriteIgnFile(benchmark::State& state) {
  const ParameterImage image = DefaultImage(kStartupBike);
  for (auto _ : state) {
    std::string text = WriteIgnFile(image);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_WriteIgnFile);

void BM_ReadIgnFile(benchmark::State& state) {
  const std::string text = WriteIgnFile(DefaultImage(kStartupBike));
  ParameterImage image;
  IgnReaderState reader;
  QuietSink sink;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadIgnFile(text, image, reader, sink));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadIgnFile);

}  // namespace
}  // namespace zarvell
