#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "problems/selection.h"

namespace {

using Read = std::pair<int, int>;

// A session with fake files: area files hold as many records as areaCounts
// says (unless told otherwise), the exercise holds `exerciseRecords`.
class Selection : public ::testing::Test {
protected:
    // The session's and the editor's variables that the selection sees.
    struct {
        int32_t currentArea = 0;
        std::string exerciseName;
        std::string exerciseDiskName;
        int32_t exerciseIndex = -1;
        std::array<uint8_t, AREA_COUNT + 1> areaCounts{};
    } session;
    struct {
        int32_t fixedPrefix = 0;
        bool checkPhase = false;
    } editor;
    SelectionState selection;
    EquationRecord current;
    SelectionHooks hooks;

    std::deque<int> randoms;       // scripted choices; 1 when run out
    std::vector<Read> reads;       // (code, record) of every area-file read
    std::vector<int32_t> exerciseReads;
    std::vector<std::string> warnings;
    std::vector<std::string> steps;  // screen steps in the order they ran
    std::set<int> missingFiles;
    std::set<Read> damagedRecords;       // (code, record) that read as damaged
    std::set<int32_t> damagedExercise;   // exercise records that read as damaged
    int exerciseRecords = 0;

    SelectionScope scope() {
        return {session.currentArea, session.exerciseName, session.exerciseDiskName, session.exerciseIndex,
                session.areaCounts,  selection,            current,                  editor.fixedPrefix,
                editor.checkPhase};
    }

    void SetUp() override {
        errorCode = 0;
        current.root = -2.25;
        hooks.randomPick = [this] {
            if (randoms.empty()) return 1;
            const int r = randoms.front();
            randoms.pop_front();
            return r;
        };
        hooks.showWarning = [this](const std::string& text) { warnings.push_back(text); };
        hooks.readEquation = [this](int code, int number, const std::string&, EquationRecord& target) {
            reads.emplace_back(code, number);
            const std::string name = "r" + std::to_string(code) + ".dat";
            if (missingFiles.count(code) || number >= session.areaCounts[areaIndexOf(code)])
                return FileResult{false, cp1250::w1250("Nepodařilo se otevřít soubor ") + name};
            if (damagedRecords.count(Read(code, number))) return FileResult{false, "", STATUS_OK, true};
            target.root = code * 1000 + number;
            return FileResult{};
        };
        hooks.readExerciseEquation = [this](int32_t number, const ListedFile& file, EquationRecord& target) {
            exerciseReads.push_back(number);
            if (number > exerciseRecords - 1)
                return FileResult{false, cp1250::w1250("Všechny příklady ze cvičení již jsou spočítány."), ALL_SOLVED};
            if (damagedExercise.count(number)) return FileResult{false, "", STATUS_OK, true};
            target.root = 71000 + number + (file.name == "test.cvc" ? 0 : 500);
            return FileResult{};
        };
        auto log = [this](const char* name) { return [this, name] { steps.push_back(name); }; };
        hooks.stopSound = log("stopSound");
        hooks.normalCursor = log("normalCursor");
        hooks.clearEquationBand = log("clearEquationBand");
        hooks.clearWritingArea = log("clearWritingArea");
        hooks.presentEquation = log("present");
        hooks.returnToStartScreen = log("start");
    }

    void setCount(int code, int n) { session.areaCounts[areaIndexOf(code)] = static_cast<uint8_t>(n); }
    const Triplet& row(int code) { return selection.tripletTable[areaIndexOf(code)]; }

    // The pupil finishes the equation with `errors` wrong steps.
    void finish(int errors) {
        selection.currentPick.errors = 0;
        for (int i = 0; i < errors; ++i) countPickError(selection);
        finishEquation(selection);
        continueWithNextEquation(scope(), hooks);
    }

    int count(const std::string& step) { return static_cast<int>(std::count(steps.begin(), steps.end(), step)); }

    // What the pupil was told, the area open now, how often an equation was
    // presented and the start screen shown.
    using Seen = std::tuple<std::vector<std::string>, int32_t, int, int>;
    Seen seen() { return {warnings, session.currentArea, count("present"), count("start")}; }

    // A fresh session and fresh files, for the next row of a table.
    void reset() {
        SetUp();
        selection = SelectionState{};
        session = {};
        reads.clear(); exerciseReads.clear(); warnings.clear(); steps.clear();
        damagedRecords.clear(); damagedExercise.clear(); randoms.clear();
    }
};

// A triplet's record numbers and handed-out marks.
using Marks = std::tuple<std::vector<int>, std::vector<int>>;
Marks marks(const Triplet& t) { return {{t[0].record, t[1].record, t[2].record}, {t[0].used, t[1].used, t[2].used}}; }
std::vector<int> used(const Triplet& t) { return std::get<1>(marks(t)); }

const std::string USED_UP = cp1250::w1250("Zvyšuji obtížnost všechny příklady jsou již spočítány.");
const std::string ENTRANCE_DONE = cp1250::w1250("Všechny příklady již máš spočítány. Vyber si další činnost.");
const std::string EXERCISE_DONE = cp1250::w1250("Všechny příklady ze cvičení již jsou spočítány.");

TEST_F(Selection, FirstChoiceOfAnAreaTakesARandomOneOfItsFirstThree) {
    setCount(23, 20);
    editor.fixedPrefix = 5;
    editor.checkPhase = true;
    randoms = {2};
    startArea(scope(), 23, hooks);

    EXPECT_EQ(steps, (std::vector<std::string>{"stopSound", "normalCursor", "clearEquationBand",
                                               "clearWritingArea", "present"}));
    EXPECT_EQ(std::make_tuple(session.currentArea, editor.checkPhase, editor.fixedPrefix, reads, current.root,
                              selection.newTripletNeeded, warnings.empty(), errorCode),
              std::make_tuple(23, false, 0, std::vector<Read>{{23, 1}}, 23001, false, true, 0));
    EXPECT_EQ(std::make_tuple(marks(selection.currentTriplet), marks(row(23))),
              std::make_tuple(Marks{{0, 1, 2}, {0, 1, 0}}, Marks{{0, 1, 2}, {0, 1, 0}}));
}

// Records in file order from `first`, every `step`-th, `n` of them.
std::vector<Read> inOrder(int code, int first, int step, int n) {
    std::vector<Read> reads;
    for (int k = 0; k < n; ++k) reads.emplace_back(code, first + k * step);
    return reads;
}
std::vector<Read> operator+(std::vector<Read> a, const std::vector<Read>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Play in one area after another: the records read in order, what the pupil
// is told, and where the session stands at the end.
TEST_F(Selection, WhichRecordsComeAndWhereThePlayEnds) {
    const struct {
        const char* name;
        std::vector<std::pair<int, int>> counts;  // (code, records)
        std::deque<int> draws;                    // the chance's choices; 1 when run out
        int start;
        std::vector<int> errors;  // wrong steps of each finished equation
        std::vector<Read> reads;
        std::vector<std::string> warnings;
        int32_t areaAtEnd;
    } scenarios[] = {
        // At most one wrong step: a harder type.  Two: the same type again,
        // first unused in order, and once the three are given the next type
        // follows whatever the errors.
        {"climb", {{23, 20}}, {2}, 23, {1}, {{23, 1}, {23, 3}}, {}, 23},
        {"struggle", {{31, 20}}, {3}, 31, {2, 5, 2}, {{31, 2}, {31, 0}, {31, 1}, {31, 3}}, {}, 31},
        // Five records: the second triplet is {3, 4, past the end}; a draw of
        // 3 falls back to record 4, the last entry still unused, not to 3.
        {"draw past the end", {{12, 5}}, {1, 3}, 12, {0, 2}, {{12, 0}, {12, 4}, {12, 3}}, {}, 12},
        // Record numbers from 200 on mark entries past the end, so a longer
        // file ends after record 199: its last triplet is {198, 199, past}.
        {"255 records", {{41, 255}, {42, 9}}, {}, 41, std::vector<int>(67, 0),
         inOrder(41, 0, 3, 67) + inOrder(42, 0, 1, 1), {USED_UP}, 42},
        // A file with a single record still hands it out, then counts as used up.
        {"one record", {{12, 1}, {13, 9}}, {}, 12, {0}, {{12, 0}, {13, 0}}, {USED_UP}, 13},
        // Group headings lead to their first area and are passed over when
        // moving on; an area entered by moving on is drawn from its first
        // three, then given in file order.
        {"heading", {{21, 30}}, {}, 20, {}, {{21, 0}}, {}, 21},
        {"past a heading", {{14, 3}, {21, 30}}, {}, 14, {0}, {{14, 0}, {21, 0}}, {USED_UP}, 21},
        {"moved on", {{52, 3}, {61, 30}}, {1, 3}, 52, {0, 0}, {{52, 0}, {61, 2}, {61, 0}}, {USED_UP}, 61},
        // Entrance examinations come in file order whatever the errors:
        // twenty-five end on the start screen, thirty or more wrap round
        // without a message.
        {"25 entrance", {{61, 25}}, {}, 61, std::vector<int>(25, 2), inOrder(61, 0, 1, 25), {ENTRANCE_DONE}, 0},
        {"40 entrance", {{61, 40}}, {}, 61, std::vector<int>(31, 0), inOrder(61, 0, 1, 30) + inOrder(61, 0, 1, 2), {},
         61},
        // Codes that are no area hand out nothing.
        {"code 0", {}, {}, 0, {}, {}, {}, 0},
        {"code 60", {}, {}, 60, {}, {}, {}, 0},
        {"code 80", {}, {}, 80, {}, {}, {}, 0},
        {"code -5", {}, {}, -5, {}, {}, {}, 0},
    };
    for (const auto& s : scenarios) {
        SCOPED_TRACE(s.name);
        reset();
        for (const auto& [code, n] : s.counts) setCount(code, n);
        randoms = s.draws;
        startArea(scope(), s.start, hooks);
        for (int errors : s.errors) finish(errors);
        EXPECT_EQ(std::make_tuple(reads, seen(), errorCode),
                  std::make_tuple(s.reads, Seen{s.warnings, s.areaAtEnd, int(s.reads.size()), s.areaAtEnd == 0}, 0));
        for (int heading : {10, 20, 30, 40, 50}) EXPECT_TRUE(isEmptyTriplet(row(heading))) << heading;
        if (s.areaAtEnd == 0 && !s.reads.empty()) {
            // Coming back starts again at the beginning: the handed-out marks were cleared.
            startArea(scope(), s.start, hooks);
            EXPECT_EQ(reads.back(), s.reads.front());
        }
    }
    // Without chance a new triplet starts at its first entry.
    reset();
    hooks.randomPick = nullptr;
    setCount(11, 50);
    startArea(scope(), 11, hooks);
    EXPECT_EQ(reads, (std::vector<Read>{{11, 0}}));
}

TEST_F(Selection, ErrorsBeyond255StayManyRatherThanWrappingToNone) {
    for (int i = 0; i < 300; ++i) countPickError(selection);
    const int errors = selection.currentPick.errors;
    finishEquation(selection);
    EXPECT_EQ(std::make_tuple(errors, selection.newTripletNeeded), std::make_tuple(255, false));
}

TEST_F(Selection, SevenRecordsEndWithAShortTripletThenTheNextArea) {
    setCount(22, 7);
    setCount(23, 10);
    randoms = {1, 1, 2, 3};
    startArea(scope(), 22, hooks);
    finish(0);
    finish(0);  // triplet {6, past, past}; the draw of 2 falls back to record 6
    EXPECT_EQ(std::make_tuple(reads, marks(selection.currentTriplet), warnings.empty()),
              std::make_tuple(std::vector<Read>{{22, 0}, {22, 3}, {22, 6}}, Marks{{6, 255, 255}, {1, 1, 1}}, true));

    finish(0);
    // The used-up area starts from its beginning the next time.
    EXPECT_EQ(std::make_tuple(seen(), reads.back(), marks(row(22))),
              std::make_tuple(Seen{{USED_UP}, 23, 4, 0}, Read(23, 2), Marks{{0, 1, 2}, {0, 0, 0}}));
}

TEST_F(Selection, ReturningToAnAreaGivesTheLastUnusedEntryOfItsTriplet) {
    setCount(31, 20);
    selection.tripletTable[areaIndexOf(31)] = {TripletEntry{31, 3, 1, 0}, TripletEntry{31, 4, 1, 0},
                                               TripletEntry{31, 5, 0, 0}};
    startArea(scope(), 31, hooks);
    EXPECT_EQ(reads, (std::vector<Read>{{31, 5}}));
    finish(3);  // all three given: a new triplet whatever the errors
    EXPECT_EQ(reads.back().second / 3, 2);
}

TEST_F(Selection, ExerciseIsHandedOutInFileOrderUntilItEnds) {
    session.exerciseName = "test.cvc";
    session.exerciseIndex = -1;
    exerciseRecords = 3;
    startArea(scope(), 71, hooks);
    finish(4);  // errors never repeat an exercise equation
    finish(0);
    EXPECT_EQ(std::make_tuple(exerciseReads, current.root, reads.empty()),
              std::make_tuple(std::vector<int32_t>{0, 1, 2}, 71002, true));

    finish(0);
    EXPECT_EQ(std::make_tuple(seen(), errorCode), std::make_tuple(Seen{{EXERCISE_DONE}, 0, 3, 1}, 0));

    // An exercise with no record ends at once.
    warnings.clear();
    exerciseRecords = 0;
    session.exerciseIndex = -1;
    startArea(scope(), 71, hooks);
    EXPECT_EQ(seen(), (Seen{{EXERCISE_DONE}, 0, 3, 2}));
}

TEST_F(Selection, ExerciseThatCannotBeReadGoesBackToTheStartScreen) {
    session.exerciseName = "zmizele.cvc";
    session.exerciseIndex = -1;
    hooks.readExerciseEquation = [](int32_t, const ListedFile& file, EquationRecord&) {
        return FileResult{false, cp1250::w1250("Nepodařilo se otevřít soubor ") + file.name};
    };
    startArea(scope(), 71, hooks);
    EXPECT_EQ(std::make_tuple(seen(), errorCode, current.root),
              std::make_tuple(Seen{{cp1250::w1250("Nepodařilo se otevřít soubor zmizele.cvc")}, 0, 0, 1}, 0, -2.25));
}

TEST_F(Selection, FailedReadKeepsTheEquationAndTheSessionGoesOn) {
    setCount(33, 9);
    missingFiles.insert(33);
    randoms = {3};
    startArea(scope(), 33, hooks);
    // Counted as handed out all the same.
    EXPECT_EQ(std::make_tuple(seen(), current.root, used(row(33))),
              std::make_tuple(Seen{{cp1250::w1250("Nepodařilo se otevřít soubor r33.dat")}, 33, 1, 0}, -2.25,
                              std::vector<int>{0, 0, 1}));
}

std::string damagedIn(const std::string& file) {
    return cp1250::w1250("Soubor ") + file + cp1250::w1250(" obsahuje poškozené rovnice. Program je přeskočí.");
}
std::string nothingLeftIn(const std::string& file) {
    return cp1250::w1250("V souboru ") + file +
           cp1250::w1250(" už není žádná nepoškozená rovnice. Vyber si další činnost.");
}

TEST_F(Selection, DamagedRecordsArePassedOverAndReportedOncePerFile) {
    setCount(23, 9);
    damagedRecords = {{23, 1}, {23, 3}, {23, 4}};
    randoms = {2, 1};
    startArea(scope(), 23, hooks);
    // The draw hit a damaged record; the first unused one of the triplet follows.
    EXPECT_EQ(std::make_tuple(reads, current.root, used(row(23))),
              std::make_tuple(std::vector<Read>{{23, 1}, {23, 0}}, 23000, std::vector<int>{1, 1, 0}));

    finish(0);  // a harder type: 3 and 4 are damaged, 5 is given
    EXPECT_EQ(std::make_tuple(std::vector<Read>(reads.begin() + 2, reads.end()), current.root, seen()),
              std::make_tuple(std::vector<Read>{{23, 3}, {23, 4}, {23, 5}}, 23005,
                              Seen{{damagedIn("r23.dat")}, 23, 2, 0}));
}

TEST_F(Selection, AFileOfDamagedRecordsEndsInTheStartScreenEveryTime) {
    // Ordinary areas (also one reached by using up the one before), the
    // entrance examinations short and long, an exercise short and far
    // longer than any the builder writes.
    struct Case {
        int code, records;
        std::string file;
    };
    for (const Case& c : {Case{11, 9, "r11.dat"}, Case{21, 199, "r21.dat"}, Case{61, 5, "r61.dat"},
                          Case{61, 60, "r61.dat"}, Case{71, 4, "test.cvc"}, Case{71, 100000, "test.cvc"}}) {
        SCOPED_TRACE(c.code);
        reset();
        if (c.code == 71) {
            session.exerciseName = c.file;
            exerciseRecords = c.records;
            for (int i = 0; i < c.records; ++i) damagedExercise.insert(i);
        } else {
            setCount(c.code, c.records);
            for (int i = 0; i < c.records; ++i) damagedRecords.insert({c.code, i});
        }
        for (int round = 0; round < 2; ++round) {
            session.exerciseIndex = -1;
            startArea(scope(), c.code, hooks);
            EXPECT_EQ(std::make_tuple(session.currentArea, count("start"), count("present")),
                      std::make_tuple(0, round + 1, 0));
        }
        // Told once that the file is damaged, and each time that nothing is left.
        EXPECT_EQ(std::make_tuple(current.root, warnings),
                  std::make_tuple(-2.25, std::vector<std::string>{damagedIn(c.file), nothingLeftIn(c.file),
                                                                  nothingLeftIn(c.file)}));
        // Each round looks at a record at most once (the thirty entrance
        // examinations twice, for their wrap) and gives up on a huge exercise.
        const size_t looked = reads.size() + exerciseReads.size();
        EXPECT_LE(looked, 2u * (c.code == 61 ? 60 : std::min(c.records, 256) + 1));
    }

    // An area reached by using up the one before is passed over the same way.
    reset();
    setCount(14, 1);
    setCount(21, 6);
    for (int i = 0; i < 6; ++i) damagedRecords.insert({21, i});
    startArea(scope(), 14, hooks);
    finish(0);
    EXPECT_EQ(std::make_tuple(warnings, session.currentArea),
              std::make_tuple(std::vector<std::string>{USED_UP, damagedIn("r21.dat"), nothingLeftIn("r21.dat")}, 0));
}

TEST_F(Selection, DamagedExerciseAndEntranceRecordsAreSkippedInOrder) {
    session.exerciseName = "test.cvc";
    exerciseRecords = 4;
    damagedExercise = {1, 2};
    startArea(scope(), 71, hooks);
    finish(0);
    EXPECT_EQ(std::make_tuple(exerciseReads, current.root, warnings),
              std::make_tuple(std::vector<int32_t>{0, 1, 2, 3}, 71003,
                              std::vector<std::string>{damagedIn("test.cvc")}));
    finish(0);  // the end of the exercise, reached without passing over anything
    EXPECT_EQ(warnings.back(), EXERCISE_DONE);

    warnings.clear();
    setCount(61, 5);
    damagedRecords = {{61, 0}, {61, 4}};
    startArea(scope(), 61, hooks);
    const double first = current.root;
    finish(0);
    finish(0);
    EXPECT_EQ(std::make_tuple(first, current.root), std::make_tuple(61001, 61003));
    finish(0);  // record 4 is damaged and the file ends there
    EXPECT_EQ(std::make_tuple(warnings, session.currentArea),
              std::make_tuple(std::vector<std::string>{damagedIn("r61.dat"), nothingLeftIn("r61.dat")}, 0));
}

TEST_F(Selection, LeftOverErrorCodeNeitherSpoilsEnteringAnAreaNorIsTouched) {
    setCount(41, 9);
    setCount(61, 5);
    errorCode = SYNTAX_ERROR;  // a wrong line just before the pupil left the area
    startArea(scope(), 41, hooks);
    startArea(scope(), 61, hooks);
    // The step check owns errorCode; the selection reports through its result.
    EXPECT_EQ(std::make_tuple(used(row(41)), selection.entranceSolved[1], errorCode, count("present")),
              std::make_tuple(std::vector<int>{1, 0, 0}, true, SYNTAX_ERROR, 2));
}

}  // namespace
