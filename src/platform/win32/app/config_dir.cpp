#include <shlobj.h>
#include <windows.h>

#include <cstdlib>

#include "app/settings.h"

namespace zarvell {
namespace {

// The roaming application data folder: %APPDATA%, which a user or a test may point elsewhere,
// else where the shell keeps it.
std::filesystem::path AppData() {
  if (const wchar_t* set = ::_wgetenv(L"APPDATA"); set != nullptr && *set != L'\0') return set;
  PWSTR known = nullptr;
  std::filesystem::path folder;
  if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known) == S_OK) folder = known;
  ::CoTaskMemFree(known);
  return folder;
}

}  // namespace

std::filesystem::path DefaultConfigDir() {
  return AppData() / L"Zarvell";
}

}  // namespace zarvell
