// Writes the shipped example methods into a folder (the repository's
// "methods" folder):
//
//   velmora_make_methods methods
#include <exception>
#include <filesystem>
#include <iostream>

#include "ExampleMethods.h"
#include "MethodFile.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: velmora_make_methods FOLDER\n";
    return 2;
  }
  try {
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    for (const velmora::ExampleMethods::Entry& e : velmora::ExampleMethods::All()) {
      velmora::MethodFile::Write(folder / e.FileName, e.Method);
      std::cout << (folder / e.FileName).string() << "\n";
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
