// The commands of the `rovnice` tool, apart from main() so that tests can
// run them with their own streams and working directory.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace rovnice {

constexpr int EXIT_OK = 0;
constexpr int EXIT_PROBLEMS = 1;  // verify found problems, or a file could not be used
constexpr int EXIT_USAGE = 2;

// args without the program name.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rovnice
