#include <iostream>
#include <string>
#include <vector>

#include "StatsTool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tavlo::stats::RunStatsTool(arguments, std::cout, std::cerr);
}
