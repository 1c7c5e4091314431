// The file a print job becomes on a machine without a printer.
#pragma once

#include <ctime>
#include <filesystem>
#include <string_view>

namespace zarvell::print {

// In `folder`: the set's file name without its folder, extension and leading dots ("Zarvell"
// for a set that has no file yet), then the local date and time of printing, as in
// "track-2026-05-14-093000.pdf"; when that name is taken, "-2", "-3" ... before ".pdf", so an
// earlier print is never overwritten.
std::filesystem::path FreePdfPath(const std::filesystem::path& folder, std::string_view setFile,
                                  const std::tm& now);

}  // namespace zarvell::print
