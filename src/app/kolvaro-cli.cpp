// kolvaro-cli entry point.
#include <iostream>

#include "cli/Befehle.h"

int main(int argc, char** argv) {
  std::vector<std::string> argumente(argv + 1, argv + argc);
  return kolvaro::cli::Ausfuehren(argumente, kolvaro::cli::StandardUmgebung(), std::cout, std::cerr);
}
