// rovnice: checks and builds the equation files of the program, and answers
// the engine's questions for other tools.  See `rovnice --help`.
#include <iostream>
#include <string>
#include <vector>

#include "tools/rovnice/commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return rovnice::run(args, std::cout, std::cerr);
}
