// Image dump: any text parses without harm, and a formatted dump parses back to the same block.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/image_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zarvell;
  ParameterImage image;
  ParseImageDump(std::string_view(reinterpret_cast<const char*>(data), size), image);

  const std::string text = FormatImageDump(image);
  // 207 numbers of six characters, 20 line ends and the two empty lines.
  if (text.size() != 207 * 6 + 22) std::abort();
  ParameterImage reread;
  reread.block.fill(0xA5);
  ParseImageDump(text, reread);
  if (!(reread == image)) std::abort();
  return 0;
}
