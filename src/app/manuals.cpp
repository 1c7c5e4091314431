#include "app/manuals.h"

#include <system_error>

#include "design/texts/text_table.h"
#include "fileio/paths.h"

namespace zarvell {
namespace {

constexpr FourTexts kNoPdfViewer = {
    "No program for PDF files is set up on this desktop. The manual is here:\n",
    "Auf diesem Desktop ist kein Programm für PDF-Dateien eingerichtet. Das Handbuch liegt "
    "hier:\n",
    "Aucun programme pour les fichiers PDF n'est configuré sur ce bureau. Le manuel se trouve "
    "ici :\n",
    "V tomto prostředí není nastaven žádný program pro soubory PDF. Návod najdete zde:\n"};

}  // namespace

std::optional<std::filesystem::path> FindManual(std::string_view name,
                                                std::span<const std::filesystem::path> folders) {
  for (const std::filesystem::path& folder : folders) {
    if (folder.empty()) continue;  // a place the program could not tell
    std::error_code error;
    std::filesystem::path candidate = folder / PathFromUtf8(name);
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return std::nullopt;
}

std::string NoPdfViewerText(std::uint8_t language, const std::filesystem::path& manual) {
  return std::string(kNoPdfViewer[language < kLanguageCount ? language : 0]) + Utf8Of(manual);
}

}  // namespace zarvell
