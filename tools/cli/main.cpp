#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "arguments.h"
#include "cli.h"
#include "session.h"
#ifdef ZARVELL_PICTURES
#include "qt/png_pictures.h"
#endif

int main(int argc, char** argv) {
  const std::vector<std::string> args = zarvell::cli::ProgramArguments(argc, argv);
#ifdef ZARVELL_PICTURES
  zarvell::qt::PngPictures pictures;
  const int status = zarvell::RunCli(args, std::cout, std::cerr, &pictures);
#else
  const int status = zarvell::RunCli(args, std::cout, std::cerr);
#endif
  // What the C library still holds for standard output leaves now, and the descriptor is
  // closed, which is where some file systems report a failed write; either is a lost result.
  if (status != zarvell::cli::kExitCannotWrite &&
      (std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || ::close(STDOUT_FILENO) != 0)) {
    std::cerr << "zarvell-cli: the result could not be written to standard output\n";
    return zarvell::cli::kExitCannotWrite;
  }
  return status;
}
