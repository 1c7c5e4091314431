// zarvell-cli diff: two parameter sets compared, two files or a file and the unit's set, as
// text for the eye or as JSON for scripts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zarvell::cli {

inline constexpr int kDiffEqual = 0;
inline constexpr int kDiffDiffers = 1;
inline constexpr int kDiffError = 2;

// args[0] is "diff". Returns kDiffEqual, kDiffDiffers or kDiffError.
int Diff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zarvell::cli
