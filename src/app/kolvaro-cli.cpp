// kolvaro-cli entry point.
#include <csignal>
#include <iostream>

#include "cli/Befehle.h"

int main(int argc, char** argv) {
  // Standard output is written in blocks of its own buffer, not passed on
  // to stdio piece by piece; the commands flush it before a message on
  // standard error.
  std::ios::sync_with_stdio(false);
  // A limit of the file size makes the write fail with a message, instead of
  // ending the program in the middle of copying the data.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> argumente(argv + 1, argv + argc);
  return kolvaro::cli::Ausfuehren(argumente, kolvaro::cli::StandardUmgebung(), std::cout, std::cerr);
}
