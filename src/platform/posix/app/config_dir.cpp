#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "app/settings.h"

namespace zarvell {
namespace {

std::filesystem::path HomeDir() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
    return user->pw_dir;
  }
  return {};
}

}  // namespace

std::filesystem::path DefaultConfigDir() {
  // A relative XDG_CONFIG_HOME is invalid by the base-directory rules and is ignored, so the
  // settings never depend on the working directory.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    return std::filesystem::path(xdg) / "zarvell";
  }
  return HomeDir() / ".config" / "zarvell";
}

}  // namespace zarvell
