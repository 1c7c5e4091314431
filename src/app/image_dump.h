// The image dump: the 207 bytes of the parameter block (image and spare bytes) as decimal
// numbers, so that the next start shows the set that was on screen at exit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "params/image.h"

namespace zarvell {

// "%5u " per number, a line end after every tenth, an empty line after the 100th and the 200th,
// no line end after the 207th.
std::string FormatImageDump(const ParameterImage& image);
// The same layout for any run of bytes, such as a unit's 200.
std::string FormatDumpBytes(std::span<const std::uint8_t> bytes);

// Stores the low byte of the k-th number into block byte k-1, for at most 207 numbers.
// Reading stops at the end of the text or at the first word that is not a number; the bytes
// after that keep their values.
void ParseImageDump(std::string_view text, ParameterImage& image);

// A dump that cannot be opened leaves the image alone.
void LoadImageDump(const std::filesystem::path& path, ParameterImage& image);
// Replaces the file atomically; a failed write leaves the previous dump and is not reported.
void SaveImageDump(const std::filesystem::path& path, const ParameterImage& image);

}  // namespace zarvell
