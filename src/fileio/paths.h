// File names are UTF-8 inside the program. A path built from a std::string takes the system's
// narrow encoding, which on Windows is an ANSI code page that cannot hold every name (a Czech
// "Žďár" in a German Windows): every conversion between text and path goes through these two.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zarvell {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8Of(const std::filesystem::path& path);

// The file a save writes: a symbolic link is followed, so a settings file that the user keeps
// elsewhere stays where it is and the link stays a link.
std::filesystem::path ResolveLink(const std::filesystem::path& path);

}  // namespace zarvell
