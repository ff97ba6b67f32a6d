// gendata: builds the delivered data files from their readable sources.
//   gendata sounds    <sounds.txt> <folder>
//   gendata animation <an.txt>     <AN.DAX>
//   gendata settings  <pom.txt>    <POM.CFG>
#include <filesystem>
#include <iostream>
#include <string>

#include "tools/gendata/commands.h"
#include "tools/gendata/sourcetext.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: gendata sounds|animation|settings <source> <output>\n";
        return 2;
    }
    const std::string job = argv[1];
    try {
        if (job == "sounds") {
            std::filesystem::create_directories(argv[3]);
            generateSounds(argv[2], argv[3]);
        } else if (job == "animation") {
            generateAnimation(argv[2], argv[3]);
        } else if (job == "settings") {
            generateSettings(argv[2], argv[3]);
        } else {
            std::cerr << "gendata: unknown job " << job << "\n";
            return 2;
        }
    } catch (const std::exception& error) {
        std::cerr << "gendata: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
