// The ".ign" parameter file: a fixed layout written, a tolerant token-driven layout read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "params/code_tables.h"
#include "params/image.h"

namespace zarvell {

// Format numbers the reader accepts; 54 and 48 with a warning.
inline constexpr std::uint8_t kIgnFormatCurrent = ProgramVersion;
inline constexpr std::uint8_t kIgnFormatOld54 = 54;
inline constexpr std::uint8_t kIgnFormatOld48 = 48;

// What the reader has to tell the user. The window shows these in its language.
enum class IgnMessage {
  OlderFormat,      // format 54 or 48: some fields are left alone or set to defaults
  UnmatchedFormat,  // a MORVALIS_KEY line with another format number
};

class IgnMessageSink {
 public:
  virtual ~IgnMessageSink() = default;
  virtual void Show(IgnMessage message) = 0;
};

// Reader state that lives as long as the process: the last number any numeric read found.
// A read that finds no number gives this value again (the "last number" rule).
struct IgnReaderState {
  std::uint32_t lastNumber = 0;
};

// The whole file for `image` (bytes 0..199 less the reserved ones), with no final line end.
// Neither commits nor validates: the caller does.
std::string WriteIgnFile(const ParameterImage& image);

// Reads `text` into `image` in place and returns the accepted format number (75, 54 or 48),
// or 0 when no MORVALIS_KEY with an accepted number was found; then the image is unchanged.
// Neither validates nor refreshes: the caller does.
//
// Tokens are runs of non-blank bytes (CR counts as blank, so CR LF files read alike) and are
// compared with the keys exactly and case-sensitively. Tokens that are no key are skipped
// whole, however long: a token longer than 271 characters can never equal a key, and no part
// of it is ever taken for one. Every numeric read, the format number included, follows the
// last-number rule of `IgnReaderState`; numbers are taken modulo 2^32 (a negative number
// wraps, a 20-digit number keeps its low 32 bits) and every image byte receives the low 8 bits
// of the converted value. Records may come in any order and repeat (the last one wins); a
// missing record leaves its bytes alone, except that every accepted file first clears
// PICKUPS_INTERCHANGE, NO_LOBE_CHECK, SPARK_BEFORE_LOBE and SPECIAL_START, and format 48 first
// sets GEBER_MODE 1, Input1 "Blocking", Input2 "Clutch master" and InNeutralSs 0.
// `messages` receives one UnmatchedFormat per MORVALIS_KEY with another number before the
// accepted one, and one OlderFormat when that is 54 or 48.
std::uint8_t ReadIgnFile(std::string_view text, ParameterImage& image, IgnReaderState& state,
                         IgnMessageSink& messages);

}  // namespace zarvell
