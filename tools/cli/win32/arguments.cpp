#include "arguments.h"

#include <windows.h>

#include "fileio/paths.h"

namespace zarvell::cli {

std::vector<std::string> ProgramArguments(int, char**) {
  // The narrow argv holds the ANSI code page, which loses every letter outside it: the wide
  // command line keeps them all. Output is UTF-8 too, for a console that shows it.
  ::SetConsoleOutputCP(CP_UTF8);
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide != nullptr && i < count; ++i) args.push_back(Utf8Of(wide[i]));
  ::LocalFree(wide);
  return args;
}

}  // namespace zarvell::cli
