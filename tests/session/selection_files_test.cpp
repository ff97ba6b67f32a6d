// The selection wired to the real equation files and the program's state.
#include <gtest/gtest.h>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "session/programstate.h"
#include "tests/support/testfiles.h"

using SelectionWithFiles = ScratchWorkingFolder;

TEST_F(SelectionWithFiles, ReadsTheChosenRecordAndReportsAMissingFile) {
    std::string file;
    for (int i = 0; i < 4; ++i) {
        EquationRecord record;
        record.setSlot(0, "x=" + std::to_string(100 + i));
        record.root = 100 + i;
        unsigned char bytes[EquationRecord::RECORD_SIZE];
        record.toBytes(bytes);
        file.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
    }
    writeBytes("r11.dat", file);
    ProgramState state;
    initSessionState(state);
    state.session.areaCounts[areaIndexOf(11)] = 4;
    state.session.areaCounts[areaIndexOf(12)] = 4;
    state.editor.fixedPrefix = 3;
    state.editor.checkPhase = true;
    std::vector<std::string> warnings;
    SelectionHooks hooks = fileSelectionHooks();
    hooks.randomPick = [] { return 3; };
    hooks.showWarning = [&](const std::string& text) { warnings.push_back(text); };

    startArea(selectionScope(state), 11, hooks);
    EXPECT_EQ(state.currentEquation.root, 102);
    EXPECT_TRUE(warnings.empty());
    // The editor's variables are the ones the selection resets.
    EXPECT_EQ(state.editor.fixedPrefix, 0);
    EXPECT_FALSE(state.editor.checkPhase);
    EXPECT_EQ(state.selection.currentPick.record, 2);

    startArea(selectionScope(state), 12, hooks);  // no r12.dat here
    EXPECT_EQ(warnings, std::vector<std::string>{cp1250::w1250("Nepodařilo se otevřít soubor r12.dat")});
    EXPECT_EQ(state.currentEquation.root, 102);
    EXPECT_EQ(state.session.currentArea, 12);
    EXPECT_EQ(errorCode, 0);
}
