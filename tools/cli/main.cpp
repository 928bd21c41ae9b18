#include <iostream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "HugePageHeap.h"

int main(int argc, char* argv[]) {
  velmora::HugePageHeap::restartWithHugePages(argv);
  std::vector<std::string> args(argv + 1, argv + argc);
  return velmora::CliCommands::run(args, std::cout, std::cerr);
}
