// The generator's three jobs; each throws SourceError on a faulty source.
#pragma once

#include <string>

// sounds.txt -> <folder>/<name>.wav for every sound.
void generateSounds(const std::string& sourcePath, const std::string& outFolder);
// an.txt -> AN.DAX
void generateAnimation(const std::string& sourcePath, const std::string& outPath);
// pom.txt -> POM.CFG
void generateSettings(const std::string& sourcePath, const std::string& outPath);
