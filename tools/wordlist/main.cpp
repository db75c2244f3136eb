#include <iostream>
#include <string>
#include <vector>

#include "WordListTool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tavlo::wordlist::RunWordListTool(arguments, std::cout, std::cerr);
}
