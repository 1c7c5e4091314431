// Whitespace-separated words and decimal numbers from a text held in memory, the way all of the
// program's text formats are read (".ign" files, the image dump, the test-mode marker).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zarvell {

// Blanks are space, tab, line feed, vertical tab, form feed and carriage return, so LF and
// CR LF files read alike. Any other byte, NUL included, belongs to a token.
class TextScanner {
 public:
  explicit TextScanner(std::string_view text) : text_(text) {}

  // The next run of non-blank bytes, or nothing at the end of the text. A token has no length
  // limit: it is a view into the text, never copied into a buffer.
  std::optional<std::string_view> NextToken();

  // A decimal number after any blanks: an optional sign, then at least one digit; reading stops
  // at the first byte that is not a digit, which starts the next token. The value is taken
  // modulo 2^32, so "-20" reads as 2^32 - 20 and a 20-digit number keeps its low 32 bits (and
  // therefore its low byte). When no number stands there, nothing but the blanks is consumed
  // and the result is empty.
  std::optional<std::uint32_t> NextNumber();

 private:
  void SkipBlanks();

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace zarvell
