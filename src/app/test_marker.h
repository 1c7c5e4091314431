// The hidden test mode: switched on by a marker file that holds the word DIAG_SWITCH.
#pragma once

#include <filesystem>
#include <string_view>

namespace zarvell {

// True when one whitespace-separated word of `text` is exactly "DIAG_SWITCH" (case-sensitive).
// A longer word that merely contains it, at any position, does not count.
bool HoldsDiagSwitch(std::string_view text);

// Test mode from the marker file; off when the file cannot be opened.
bool ReadTestMarker(const std::filesystem::path& markerPath);

}  // namespace zarvell
