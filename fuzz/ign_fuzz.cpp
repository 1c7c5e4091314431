// Arbitrary bytes as an ".ign" file: the reader must not misbehave, must leave the image alone
// when it accepts no format line, and whatever it made of the input must survive a write and
// a second read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "params/ign_file.h"

namespace {

struct QuietSink : zarvell::IgnMessageSink {
  void Show(zarvell::IgnMessage) override {}
};

bool IsSingleFlag(std::size_t byte) {
  using namespace zarvell::field;
  return byte == EXCITATION || byte == TPS_MAPA || byte == SERVO_ENABLE || byte == NO_READING;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using zarvell::ParameterImage;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  QuietSink sink;
  zarvell::IgnReaderState state;

  ParameterImage image;
  for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) {
    image[i] = static_cast<std::uint8_t>(i * 37 + 11);
  }
  const ParameterImage before = image;
  if (zarvell::ReadIgnFile(text, image, state, sink) == 0) {
    if (!(image == before)) std::abort();
    return 0;
  }

  ParameterImage again;
  if (zarvell::ReadIgnFile(zarvell::WriteIgnFile(image), again, state, sink) !=
      zarvell::kIgnFormatCurrent) {
    std::abort();
  }
  for (std::size_t i = 0; i < ParameterImage::kSize; ++i) {
    if (zarvell::field::IsReserved(i)) continue;
    const std::uint8_t expected = IsSingleFlag(i) ? (image[i] != 0 ? 1 : 0) : image[i];
    if (again[i] != expected) std::abort();
  }
  return 0;
}
