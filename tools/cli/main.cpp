#include <iostream>

#include "arguments.h"
#include "cli.h"
#ifdef ZARVELL_PICTURES
#include "qt/png_pictures.h"
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args = zarvell::cli::ProgramArguments(argc, argv);
#ifdef ZARVELL_PICTURES
  zarvell::qt::PngPictures pictures;
  return zarvell::RunCli(args, std::cout, std::cerr, &pictures);
#else
  return zarvell::RunCli(args, std::cout, std::cerr);
#endif
}
