// Runs a fuzz target without libFuzzer: every seed file of the given folders, and a fixed
// number of deterministic mutations of each (byte flips, insertions, deletions, splices of
// two seeds, long runs of one byte), so that the sanitizer build exercises the parsers on
// damaged input in every test run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Random {
  std::uint64_t state;
  std::uint64_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Next() % n); }
};

Bytes Mutate(const Bytes& seed, const Bytes& other, Random& rng) {
  Bytes out = seed;
  const int edits = 1 + static_cast<int>(rng.Below(8));
  for (int i = 0; i < edits; ++i) {
    switch (rng.Below(5)) {
      case 0:
        if (!out.empty()) out[rng.Below(out.size())] = static_cast<std::uint8_t>(rng.Next());
        break;
      case 1:
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(rng.Below(out.size() + 1)),
                   static_cast<std::uint8_t>(rng.Next()));
        break;
      case 2:
        if (!out.empty())
          out.erase(out.begin() + static_cast<std::ptrdiff_t>(rng.Below(out.size())));
        break;
      case 3: {
        const std::size_t cut = rng.Below(out.size() + 1);
        out.resize(cut);
        const std::size_t from = rng.Below(other.size() + 1);
        out.insert(out.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
        break;
      }
      default:
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(rng.Below(out.size() + 1)),
                   rng.Below(400), "0 -9A\n"[rng.Below(6)]);
        break;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Bytes> seeds;
  for (int i = 1; i < argc; ++i) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      std::ifstream in(entry.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  if (seeds.empty()) {
    std::fprintf(stderr, "no seed files\n");
    return 1;
  }
  Random rng{0x9E3779B97F4A7C15ull};
  constexpr int kMutationsPerSeed = 3000;
  for (const Bytes& seed : seeds) {
    LLVMFuzzerTestOneInput(seed.data(), seed.size());
    for (int m = 0; m < kMutationsPerSeed; ++m) {
      const Bytes input = Mutate(seed, seeds[rng.Below(seeds.size())], rng);
      LLVMFuzzerTestOneInput(input.data(), input.size());
    }
  }
  std::printf("%zu seeds, %d mutations each\n", seeds.size(), kMutationsPerSeed);
  return 0;
}
