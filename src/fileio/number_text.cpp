#include "fileio/number_text.h"

#include <charconv>

namespace zarvell {

void AppendRightAligned(std::string& out, int value, std::size_t width) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const auto length = static_cast<std::size_t>(end - digits);
  if (length < width) out.append(width - length, ' ');
  out.append(digits, length);
}

}  // namespace zarvell
