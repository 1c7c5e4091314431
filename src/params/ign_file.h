// The ".ign" parameter file: a fixed layout written, a tolerant token-driven layout read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "params/image.h"

namespace zarvell {

// Format numbers the reader accepts; 54 and 48 with a warning.
inline constexpr std::uint8_t kIgnFormatCurrent = 75;
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
std::uint8_t ReadIgnFile(std::string_view text, ParameterImage& image, IgnReaderState& state,
                         IgnMessageSink& messages);

}  // namespace zarvell
