// Numbers written the way the program's text files align them.
#pragma once

#include <cstddef>
#include <string>

namespace zarvell {

// `value` right-aligned in `width` characters, as printf's "%5d" does for width 5; a wider
// number takes the room it needs.
void AppendRightAligned(std::string& out, int value, std::size_t width);

}  // namespace zarvell
