// The words of a play-script line and what a line that cannot be carried out throws.
#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace zarvell {

using Words = std::vector<std::string>;

// A failed line: the message says what was wrong with it.
struct ScriptError {
  std::string message;
};

inline int Number(const std::string& word) {
  int value = 0;
  if (!ui::ParseWholeNumber(word, value)) throw ScriptError{"'" + word + "' is not a number"};
  return value;
}

}  // namespace zarvell
