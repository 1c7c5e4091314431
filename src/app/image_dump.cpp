#include "app/image_dump.h"

#include "fileio/files.h"
#include "fileio/number_text.h"
#include "fileio/text_scanner.h"

namespace zarvell {

std::string FormatImageDump(const ParameterImage& image) {
  return FormatDumpBytes(image.block);
}

std::string FormatDumpBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  text.reserve(bytes.size() * 6 + 24);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    AppendRightAligned(text, bytes[i], 5);
    text += ' ';
    const std::size_t count = i + 1;
    if (count % 10 == 0) text += '\n';
    if (count == 100 || count == 200) text += '\n';
  }
  return text;
}

void ParseImageDump(std::string_view text, ParameterImage& image) {
  TextScanner scanner(text);
  for (std::size_t i = 0; i < ParameterImage::kBlockSize; ++i) {
    const std::optional<std::uint32_t> number = scanner.NextNumber();
    if (!number) return;
    image[i] = static_cast<std::uint8_t>(*number);
  }
}

void LoadImageDump(const std::filesystem::path& path, ParameterImage& image) {
  if (const std::optional<std::string> text = ReadWholeFile(path)) ParseImageDump(*text, image);
}

void SaveImageDump(const std::filesystem::path& path, const ParameterImage& image) {
  WriteTextFileAtomically(path, FormatImageDump(image));
}

}  // namespace zarvell
