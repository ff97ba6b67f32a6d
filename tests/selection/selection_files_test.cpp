// The selection wired to the real equation files and the program's state.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "mainwindow/programstate.h"
#include "problems/selection.h"

namespace fs = std::filesystem;

TEST(SelectionWithFiles, ReadsTheChosenRecordAndReportsAMissingFile) {
    const fs::path dir = fs::temp_directory_path() / ("velmir-selection-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path before = fs::current_path();
    fs::current_path(dir);
    {
        std::ofstream out("r11.dat", std::ios::binary);
        for (int i = 0; i < 4; ++i) {
            EquationRecord record;
            record.root = 100 + i;
            unsigned char bytes[EquationRecord::RECORD_SIZE];
            record.toBytes(bytes);
            out.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
        }
    }
    initSessionState();
    state().session.areaCounts[areaIndexOf(11)] = 4;
    state().session.areaCounts[areaIndexOf(12)] = 4;
    std::vector<std::string> warnings;
    SelectionHooks hooks = fileSelectionHooks();
    hooks.randomPick = [] { return 3; };
    hooks.showWarning = [&](const std::string& text) { warnings.push_back(text); };

    startArea(selectionScope(state()), 11, hooks);
    EXPECT_EQ(state().currentEquation.root, 102);
    EXPECT_TRUE(warnings.empty());

    startArea(selectionScope(state()), 12, hooks);  // no r12.dat here
    EXPECT_EQ(warnings, std::vector<std::string>{cp1250::w1250("Nepodařilo se otevřít soubor r12.dat")});
    EXPECT_EQ(state().currentEquation.root, 102);
    EXPECT_EQ(state().session.currentArea, 12);
    EXPECT_EQ(errorCode, 0);

    fs::current_path(before);
    fs::remove_all(dir);
}
