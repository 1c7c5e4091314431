#include "print/pdf_name.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace zarvell::print {

std::filesystem::path FreePdfPath(const std::filesystem::path& folder, std::string_view setFile,
                                  const std::tm& now) {
  // The name without its extension and without leading dots, which would hide the PDF.
  std::string base = std::filesystem::path(setFile).filename().string();
  base = base.substr(0, base.rfind('.'));
  base.erase(0, std::min(base.find_first_not_of('.'), base.size()));
  if (base.empty()) base = "Zarvell";
  char stamp[32];
  base.append(stamp, std::strftime(stamp, sizeof stamp, "-%Y-%m-%d-%H%M%S", &now));
  std::filesystem::path path = folder / (base + ".pdf");
  std::error_code error;
  // Whatever stands there is taken, a link to nothing included: the printer would write through
  // it.
  for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(path, error)); ++n) {
    path = folder / (base + "-" + std::to_string(n) + ".pdf");
  }
  return path;
}

}  // namespace zarvell::print
