// Settings file: whatever the file holds, the window settings read from it must survive being
// written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/settings.h"
#include "fileio/ini_file.h"

namespace {

bool Same(const zarvell::WindowSettings& a, const zarvell::WindowSettings& b) {
  return a.left == b.left && a.top == b.top && a.height == b.height && a.width == b.width &&
         a.comPortIndex == b.comPortIndex && a.autoPortIndex == b.autoPortIndex &&
         a.languageIndex == b.languageIndex && a.file == b.file && a.iniDir == b.iniDir &&
         a.activePage == b.activePage;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zarvell;
  IniFile ini = IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  WindowSettings read;
  ReadWindowSettings(ini, read);
  WriteWindowSettings(ini, read);

  WindowSettings reread;
  ReadWindowSettings(IniFile::Parse(ini.Serialize()), reread);
  if (!Same(read, reread)) std::abort();
  return 0;
}
