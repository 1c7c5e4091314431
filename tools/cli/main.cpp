#include <iostream>

#include "cli.h"
#ifdef ZARVELL_PICTURES
#include "qt/png_pictures.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef ZARVELL_PICTURES
  zarvell::qt::PngPictures pictures;
  return zarvell::RunCli(args, std::cout, std::cerr, &pictures);
#else
  return zarvell::RunCli(args, std::cout, std::cerr);
#endif
}
