// The words of a play-script line and what a line that cannot be carried out throws.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace zarvell {

using Words = std::vector<std::string>;

// A failed line: the message says what was wrong with it.
struct ScriptError {
  std::string message;
};

// Tabs and line breaks in a script line, written \t and \n (and a backslash \\).
inline std::string DecodeEscapes(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      out += next == 't' ? '\t' : next == 'n' ? '\n' : next;
    } else {
      out += c;
    }
  }
  return out;
}
inline std::string EncodeEscapes(std::string_view text) {
  std::string out;
  for (const char c : text) {
    out += c == '\t' ? "\\t" : c == '\n' ? "\\n" : c == '\\' ? "\\\\" : std::string(1, c);
  }
  return out;
}

inline int Number(const std::string& word) {
  int value = 0;
  if (!ui::ParseWholeNumber(word, value)) throw ScriptError{"'" + word + "' is not a number"};
  return value;
}

}  // namespace zarvell
