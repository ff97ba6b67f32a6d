#include "problems/selection.h"

#include <algorithm>

#include "engine/cp1250.h"

namespace {

constexpr int ENTRANCE_FLAGS = 30;
constexpr uint8_t PAST_END = 255;
// Record numbers from here on are markers, never real records.
constexpr int FIRST_MARKER_RECORD = 200;

void call(const std::function<void()>& step) {
    if (step) step();
}

void warn(const SelectionHooks& hooks, const char* utf8) {
    if (hooks.showWarning) hooks.showWarning(cp1250::w1250(utf8));
}

void report(const SelectionHooks& hooks, const FileResult& result) {
    if ((!result.ok || !result.message.empty()) && hooks.showWarning) hooks.showWarning(result.message);
}

int randomPosition(const SelectionHooks& hooks) {
    return hooks.randomPick ? std::clamp(hooks.randomPick(), 1, 3) : 1;
}

// Records passed over in one choice at most: more than any area file holds
// (199), and an exercise file far larger than the builder writes (30)
// cannot keep the pupil waiting while it is read to its end.
constexpr int MAX_SKIPPED = 255;

// A damaged record is reported once per file and run.
void reportDamaged(SelectionScope scope, const SelectionHooks& hooks, const std::string& fileName) {
    if (!scope.selection.damagedFilesReported.insert(fileName).second || !hooks.showWarning) return;
    hooks.showWarning(cp1250::w1250("Soubor ") + fileName +
                      cp1250::w1250(" obsahuje poškozené rovnice. Program je přeskočí."));
}

void reportNothingLeft(const SelectionHooks& hooks, const std::string& fileName) {
    if (hooks.showWarning)
        hooks.showWarning(cp1250::w1250("V souboru ") + fileName +
                          cp1250::w1250(" už není žádná nepoškozená rovnice. Vyber si další činnost."));
}

// A failed read has shown its warning and left the current equation as it
// was, so the session goes on with the equation that was already there; the
// record still counts as handed out.  Returns false for a damaged record,
// which the caller passes over.
bool readRecord(SelectionScope scope, const SelectionHooks& hooks, int code, int number) {
    if (!hooks.readEquation) return true;
    const FileResult read = hooks.readEquation(code, number, scope.exerciseName, scope.currentEquation);
    if (read.damaged) {
        reportDamaged(scope, hooks, equationFileName(code, scope.exerciseName));
        return false;
    }
    report(hooks, read);
    return true;
}

Triplet fromStart(int32_t area) {
    Triplet t{};
    for (int k = 0; k < 3; ++k) t[k] = {static_cast<uint8_t>(area), static_cast<uint8_t>(k), 0, 0};
    return t;
}

Triplet& tableRow(SelectionState& selection, int32_t area) {
    return selection.tripletTable[static_cast<std::size_t>(areaIndexOf(area))];
}

StatusCode nextEntranceEquation(SelectionScope scope, const SelectionHooks& hooks) {
    SelectionState& sel = scope.selection;
    const int index = areaIndexOf(ENTRANCE_AREA);
    bool wrapped = false;
    for (int skipped = 0;; ++skipped) {
        int p = 0;
        for (int i = 1; i <= ENTRANCE_FLAGS; ++i) {
            if (!sel.entranceSolved[i]) {
                p = i;
                break;
            }
        }
        // Wrapping round twice in one choice: all thirty are damaged.
        const bool nothingLeft = skipped > 0 && ((p == 0 && wrapped) || scope.areaCounts[index] < p);
        if (scope.areaCounts[index] < p || nothingLeft) {
            std::fill(sel.entranceSolved.begin(), sel.entranceSolved.end(), false);
            if (nothingLeft)
                reportNothingLeft(hooks, equationFileName(ENTRANCE_AREA, scope.exerciseName));
            else
                warn(hooks, "Všechny příklady již máš spočítány. Vyber si další činnost.");
            sel.newTripletNeeded = true;
            scope.currentArea = 0;
            sel.currentTriplet = Triplet{};
            sel.tripletTable[index] = sel.currentTriplet;
            return BACK_TO_START;
        }
        if (p == 0) {
            // All thirty handed out and the file has more: start again at the top.
            std::fill(sel.entranceSolved.begin(), sel.entranceSolved.end(), false);
            p = 1;
            wrapped = true;
        }
        const bool taken = readRecord(scope, hooks, ENTRANCE_AREA, p - 1);
        sel.entranceSolved[p] = true;
        if (taken) return STATUS_OK;
    }
}

StatusCode nextExerciseEquation(SelectionScope scope, const SelectionHooks& hooks) {
    for (int skipped = 0;; ++skipped) {
        if (scope.exerciseIndex < INT32_MAX) ++scope.exerciseIndex;
        if (!hooks.readExerciseEquation) return STATUS_OK;
        const FileResult read = hooks.readExerciseEquation(
            scope.exerciseIndex, ListedFile{scope.exerciseName, scope.exerciseDiskName}, scope.currentEquation);
        if (read.damaged && skipped < MAX_SKIPPED) {
            reportDamaged(scope, hooks, scope.exerciseName);
            continue;
        }
        if (skipped > 0 && (read.damaged || read.status == ALL_SOLVED)) {
            reportNothingLeft(hooks, scope.exerciseName);
            return BACK_TO_START;
        }
        report(hooks, read);
        if (read.ok) return STATUS_OK;
        // An exercise file that vanished or broke: its warning has been shown, and
        // handing out the previous equation under the exercise's name would be a
        // lie, so the pupil goes back to the start screen instead.
        return read.status == ALL_SOLVED ? ALL_SOLVED : BACK_TO_START;
    }
}

// Position 1..3 of the first entry not yet handed out, looking from the first
// or from the last; 0 when all three are used.
int unusedPosition(const Triplet& t, bool fromFirst) {
    for (int i = 0; i < 3; ++i) {
        const int k = fromFirst ? i : 2 - i;
        if (t[k].used == 0) return k + 1;
    }
    return 0;
}

// The three records after the triplet's last real one; entries past the end
// of the file are marked used.  Returns false when the file is used up.
bool nextTriplet(Triplet& t, int32_t code, int n) {
    const bool fresh = t[0].record == 0 && t[2].record == 0;
    // A one-record file still hands out its only record the first time.
    if (!(n - 1 > static_cast<int>(t[2].record) || (fresh && n > 0))) return false;
    int last = 0;
    for (const TripletEntry& e : t)
        if (e.record < FIRST_MARKER_RECORD) last = e.record;
    for (int k = 0; k < 3; ++k) {
        if (!(k == 0 && fresh)) ++last;
        if (last < n)
            t[k] = {static_cast<uint8_t>(code), static_cast<uint8_t>(last), 0, 0};
        else
            t[k] = {PAST_END, PAST_END, 1, 0};
    }
    return true;
}

// The area's file is used up: it starts from the beginning next time, and
// the pupil goes on in the next area (skipping a group heading).
void moveToNextArea(SelectionScope scope, const SelectionHooks& hooks, int32_t idx) {
    SelectionState& sel = scope.selection;
    int32_t& area = scope.currentArea;
    warn(hooks, "Zvyšuji obtížnost všechny příklady jsou již spočítány.");
    sel.currentTriplet = fromStart(area);
    tableRow(sel, area) = sel.currentTriplet;
    ++idx;
    area = areaCodeOf(idx);
    if (area % 10 == 0) area = areaCodeOf(idx + 1);
    sel.currentTriplet = fromStart(area);
}

}  // namespace

bool isEmptyTriplet(const Triplet& triplet) {
    return triplet[0].code == 0 && triplet[2].code == 0;
}

void finishEquation(SelectionState& selection) {
    selection.newTripletNeeded = selection.currentPick.errors < 2;
}

void countPickError(SelectionState& selection) {
    if (selection.currentPick.errors < UINT8_MAX) ++selection.currentPick.errors;
}

StatusCode selectNextEquation(SelectionScope scope, int32_t code, const SelectionHooks& hooks) {
    SelectionState& sel = scope.selection;
    scope.fixedPrefix = 0;

    int32_t idx = areaIndexOf(code);
    // Not an area at all (a stray code): nothing to hand out.
    if (idx == 0) return BACK_TO_START;
    if (isGroupHeading(code)) {
        ++idx;
        code = areaCodeOf(idx);
        scope.currentArea = code;
    }
    if (code == ENTRANCE_AREA) return nextEntranceEquation(scope, hooks);
    if (code == EXERCISE_AREA) return nextExerciseEquation(scope, hooks);

    Triplet& t = sel.currentTriplet;
    // Each round hands out one entry, so a file of damaged records is passed
    // over once and the loop ends when it is used up.
    for (int skipped = 0;; ++skipped) {
        if (unusedPosition(t, true) == 0) sel.newTripletNeeded = true;

        // Either way one entry is unused here: a new triplet starts with a real record.
        int position = 0;  // 1..3
        if (sel.newTripletNeeded) {
            // Records from 200 on are markers, so a larger file is handed out only that far.
            const int n = std::min<int>(scope.areaCounts[idx], FIRST_MARKER_RECORD);
            if (!nextTriplet(t, code, n)) {
                if (skipped > 0) {
                    // Used up while passing over damaged records: the area
                    // starts from its beginning next time.
                    reportNothingLeft(hooks, equationFileName(code, scope.exerciseName));
                    sel.currentTriplet = fromStart(scope.currentArea);
                    tableRow(sel, scope.currentArea) = sel.currentTriplet;
                    return BACK_TO_START;
                }
                moveToNextArea(scope, hooks, idx);
                code = scope.currentArea;
                idx = areaIndexOf(code);
            }
            position = randomPosition(hooks);
            if (t[position - 1].used != 0) position = unusedPosition(t, false);
            sel.newTripletNeeded = false;
        } else {
            position = unusedPosition(t, true);
        }
        sel.currentPick = t[position - 1];
        t[position - 1].used = 1;

        const bool taken = readRecord(scope, hooks, sel.currentPick.code, sel.currentPick.record);
        tableRow(sel, scope.currentArea) = t;
        if (taken) return STATUS_OK;
        // After area 52 the entrance examinations follow, in their own order.
        if (scope.currentArea == ENTRANCE_AREA) return nextEntranceEquation(scope, hooks);
    }
}

void continueWithNextEquation(SelectionScope scope, const SelectionHooks& hooks) {
    if (selectNextEquation(scope, scope.currentArea, hooks) == STATUS_OK) {
        call(hooks.presentEquation);
    } else {
        scope.currentArea = 0;
        call(hooks.returnToStartScreen);
    }
}

void startArea(SelectionScope scope, int32_t code, const SelectionHooks& hooks) {
    call(hooks.stopSound);
    scope.checkPhase = false;
    call(hooks.normalCursor);
    scope.currentArea = code;
    call(hooks.clearEquationBand);
    call(hooks.clearWritingArea);

    SelectionState& sel = scope.selection;
    sel.currentTriplet = sel.tripletTable[static_cast<std::size_t>(areaIndexOf(code))];
    sel.newTripletNeeded = isEmptyTriplet(sel.currentTriplet);
    continueWithNextEquation(scope, hooks);
}
