// The selection wired to the real equation files and the program's state.
#include <gtest/gtest.h>

#include <tuple>

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
    // The editor's variables are the ones the selection resets.
    EXPECT_EQ(std::make_tuple(state.currentEquation.root, warnings.empty(), state.editor.fixedPrefix,
                              state.editor.checkPhase, state.selection.currentPick.record),
              std::make_tuple(102, true, 0, false, 2));

    startArea(selectionScope(state), 12, hooks);  // no r12.dat here
    EXPECT_EQ(std::make_tuple(warnings, state.currentEquation.root, state.session.currentArea, errorCode),
              std::make_tuple(std::vector<std::string>{cp1250::w1250("Nepodařilo se otevřít soubor r12.dat")}, 102,
                              12, 0));
}
