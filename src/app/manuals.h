// Where Help > Contents finds the manual of the window's language, and what the user is told
// when the desktop cannot show it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zarvell {

// The file `name` in the first of `folders` that holds it, or nothing. The program passes the
// working folder, its own folder, the folder its build wrote the manuals into and the
// installed documentation folder, in that order, so a copy the user put beside their files
// wins over the program's own.
std::optional<std::filesystem::path> FindManual(std::string_view name,
                                                std::span<const std::filesystem::path> folders);

// The manual was found, but the desktop has no program that opens PDF files: the message, in
// the language, names the file so the user can open it by other means.
std::string NoPdfViewerText(std::uint8_t language, const std::filesystem::path& manual);

}  // namespace zarvell
