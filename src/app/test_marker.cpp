#include "app/test_marker.h"

#include <optional>
#include <string>

#include "fileio/files.h"
#include "fileio/text_scanner.h"

namespace zarvell {

bool HoldsDiagSwitch(std::string_view text) {
  TextScanner scanner(text);
  while (const std::optional<std::string_view> word = scanner.NextToken()) {
    if (*word == "DIAG_SWITCH") return true;
  }
  return false;
}

bool ReadTestMarker(const std::filesystem::path& markerPath) {
  const std::optional<std::string> text = ReadWholeFile(markerPath);
  return text && HoldsDiagSwitch(*text);
}

}  // namespace zarvell
