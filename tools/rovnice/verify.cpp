#include "tools/rovnice/verify.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "engine/enginedetail.h"
#include "engine/markers.h"
#include "tools/rovnice/notation.h"
#include "tools/rovnice/sourcefile.h"

namespace verify {
namespace {

constexpr size_t MAX_LINE_BYTES = 100;
constexpr int MAX_WIDTH = 40;
constexpr size_t MAX_RECORDS = 199;

using engine_detail::isDigit;

bool typeable(unsigned char c) {
    return isDigit(c) || c == 'x' || c == '+' || c == '-' || c == '*' || c == ':' || c == '=' ||
           c == '(' || c == ')' || c == '.';
}

// What the pupil's editor lets follow the byte `prev` when a line is typed
// from left to right (x it always takes).  prev 0 is the line's start; inside
// a fraction nothing opens another fraction.  The fraction's other markers
// and a power's exponent come with the marker that opens them, so they are
// never typed.
bool typeableAfter(unsigned char prev, unsigned char c, bool inFraction) {
    if (c == 'x') return true;
    if (inFraction && c == FRACTION_START) return false;
    const auto oneOf = [c](const char* set) { return c != 0 && std::strchr(set, c) != nullptr; };
    const bool digit = isDigit(c);
    if (prev == 0 || prev == '=' || prev == NUMERATOR_START || prev == DENOMINATOR_START)
        return canBeginLine(c);
    if (isDigit(prev))
        return digit || oneOf("()*+-./:=") || c == FRACTION_START || c == POWER_START;
    if ((prev >= 'a' && prev <= 'z') || prev == ')')
        return oneOf("()*+-/:=") || c == FRACTION_START || c == POWER_START;
    if (prev == '*' || prev == '+' || prev == '-' || prev == ':')
        return digit || oneOf("(/") || c == FRACTION_START;
    if (prev == '(') return digit || oneOf("(+-") || c == FRACTION_START;
    if (prev == '.') return digit || oneOf("()");
    if (prev == FRACTION_END || prev == POWER_END) return oneOf(")*+-/:=");
    return true;
}

std::string shownByte(unsigned char c) {
    if (c == FRACTION_START) return "zlomek";
    if (c == FRACTION_END) return "konec zlomku";
    if (c == POWER_START) return "mocninu";
    if (c == '/') return "poznámku";
    if (c == POWER_END) return "konec mocniny";
    if (c == NUMERATOR_START) return "začátek čitatele";
    if (c == DENOMINATOR_START) return "začátek jmenovatele";
    return "„" + cp1250::toUtf8(std::string(1, static_cast<char>(c))) + "“";
}

std::string refused(unsigned char prev, unsigned char c) {
    return shownByte(c) + " nelze napsat za " + shownByte(prev) + "; editor ho při psaní zleva doprava odmítne";
}

// The first place where the editor would refuse the line typed from left to
// right, or "" when it takes every byte.  `math` is structurally sound; its
// first byte has its own check.
std::string typingProblem(const std::string& math, bool hasNote) {
    unsigned char prev = math.empty() ? 0 : static_cast<unsigned char>(math[0]);
    bool inFraction = prev == FRACTION_START;
    for (size_t i = 1; i <= math.size(); ++i) {
        // One past the end stands for the note's "/".
        const unsigned char c = i < math.size() ? static_cast<unsigned char>(math[i]) : '/';
        if (i == math.size() && !hasNote) break;
        if (c == POWER_START) {
            if (!typeableAfter(prev, c, inFraction)) return refused(prev, c);
            i += 2;  // the exponent and the end come with the power
            prev = POWER_END;
            continue;
        }
        const bool placedByEditor =
            c == DENOMINATOR_END || c == NUMERATOR_START || c == NUMERATOR_END || c == FRACTION_END;
        if (!placedByEditor && !typeableAfter(prev, c, inFraction)) return refused(prev, c);
        if (c == FRACTION_START) inFraction = true;
        if (c == FRACTION_END) inFraction = false;
        prev = c;
    }
    return "";
}

// The mathematics of a line: the bytes before the note, without the blanks
// that separate it from the note.
std::string mathPart(const std::string& bytes, bool& hasNote) {
    const size_t slash = bytes.find('/');
    hasNote = slash != std::string::npos;
    std::string math = bytes.substr(0, slash);
    if (hasNote)
        while (!math.empty() && math.back() == ' ') math.pop_back();
    return math;
}

bool isAreaFile(const std::string& path) {
    const std::string s = fileStem(path);
    return s.size() == 3 && (s[0] == 'r' || s[0] == 'R') && isDigit(s[1]) && isDigit(s[2]);
}

std::string doubleText(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string engineMessage(int code) {
    const MessageLines& m = messageTable(code);
    std::string text = m.line2;
    if (!m.line3.empty()) text += (text.empty() ? "" : " ") + m.line3;
    // The first line is the same for every code; it alone names a
    // calculation error (12), which has no lines of its own.
    if (text.empty()) text = m.line1;
    return cp1250::toUtf8(text);
}

}  // namespace

std::string fileStem(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

int lineWidth(const std::string& bytes) {
    bool hasNote;
    const std::string math = mathPart(bytes, hasNote);
    int width = 0;
    size_t i = 0;
    while (i < math.size()) {
        const unsigned char c = static_cast<unsigned char>(math[i]);
        if (c == FRACTION_START) {
            int part[2] = {0, 0};
            int which = 0;
            size_t k = i + 1;
            for (; k < math.size(); ++k) {
                const unsigned char m = static_cast<unsigned char>(math[k]);
                if (m == FRACTION_END) break;
                if (m == DENOMINATOR_END) which = 1;
                else if (!isMarker(m)) ++part[which];
            }
            width += std::max(part[0], part[1]);
            i = k + 1;
            continue;
        }
        if (!isMarker(c)) ++width;
        ++i;
    }
    return width;
}

std::vector<std::string> lineProblems(const std::string& bytes) {
    std::vector<std::string> out;
    if (bytes.empty()) {
        out.push_back("prázdný řádek");
        return out;
    }
    if (bytes.size() > MAX_LINE_BYTES)
        out.push_back("řádek má " + std::to_string(bytes.size()) + " bajtů, nejvýš smí mít 100");
    if (!canBeginLine(static_cast<unsigned char>(bytes[0])))
        out.push_back("řádek nezačíná číslicí, x, „(“, „+“, „-“ ani zlomkem (program by zde řešení ukončil)");

    bool hasNote;
    const std::string math = mathPart(bytes, hasNote);
    // 0 main line, 1 after FRACTION_START, 2 denominator, 3 after its end,
    // 4 numerator, 5 after the numerator's end.
    int phase = 0;
    size_t partStart = 0;
    for (size_t i = 0; i < math.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(math[i]);
        const unsigned char prev = i > 0 ? static_cast<unsigned char>(math[i - 1]) : 0;
        std::string problem;
        const bool expectingMarker = phase == 1 || phase == 3 || phase == 5;
        if (expectingMarker) {
            const unsigned char want = phase == 1 ? DENOMINATOR_START : phase == 3 ? NUMERATOR_START : FRACTION_END;
            if (c != want) {
                problem = "značky zlomku nejsou v pořadí";
            } else {
                phase = phase == 5 ? 0 : phase + 1;
                partStart = i + 1;
            }
        } else if (c == FRACTION_START) {
            if (phase != 0) problem = "zlomek uvnitř zlomku";
            else phase = 1;
        } else if (c == DENOMINATOR_END || c == NUMERATOR_END) {
            if (phase != (c == DENOMINATOR_END ? 2 : 4)) {
                problem = "značky zlomku nejsou v pořadí";
            } else {
                if (i == partStart) out.push_back(c == DENOMINATOR_END ? "prázdný jmenovatel" : "prázdný čitatel");
                ++phase;
            }
        } else if (c == POWER_START) {
            const unsigned char d = i + 1 < math.size() ? static_cast<unsigned char>(math[i + 1]) : 0;
            const unsigned char e = i + 2 < math.size() ? static_cast<unsigned char>(math[i + 2]) : 0;
            if (e != POWER_END || (d != '2' && d != '3' && d != '4'))
                problem = "mocnina musí mít exponent 2, 3 nebo 4";
            else if (!(isDigit(prev) || prev == 'x' || prev == ')'))
                problem = "mocnina nestojí za číslicí, x ani „)“";
            else
                i += 2;
        } else if (isMarker(c) || c == CELL_END) {
            problem = "osamocená značka zlomku nebo mocniny (bajt " + std::to_string(c) + ")";
        } else if (c == ' ') {
            problem = "mezera mimo poznámku";
        } else if (!typeable(c)) {
            problem = "znak „" + cp1250::toUtf8(std::string(1, static_cast<char>(c))) +
                      "“ nelze mimo poznámku napsat";
        }
        if (!problem.empty()) {
            out.push_back(problem);
            return out;  // one structural fault at a time: the rest would only echo it
        }
    }
    if (phase != 0) {
        out.push_back(hasNote ? "poznámka začíná uvnitř zlomku" : "neuzavřený zlomek");
        return out;
    }
    const std::string typing = typingProblem(math, hasNote);
    if (!typing.empty()) out.push_back(typing);
    if (hasNote) {
        for (size_t i = bytes.find('/') + 1; i < bytes.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(bytes[i]);
            if (c < 32 || c == 127 || isMarker(c) || c == CELL_END || cp1250::toUnicode(c) < 0) {
                out.push_back("v poznámce je nepovolený znak (bajt " + std::to_string(c) + ")");
                break;
            }
        }
    }
    const int width = lineWidth(bytes);
    if (width > MAX_WIDTH)
        out.push_back("řádek je široký " + std::to_string(width) + " znaků, víc než 40 se do sešitu nevejde");
    return out;
}

void Checker::report(const Item& item, int slot, const std::string& what) {
    std::string where = item.file;
    if (item.lineOf[slot] > 0) where += ":" + std::to_string(item.lineOf[slot]);
    where += ": záznam " + std::to_string(item.record) + ", ";
    where += slot == 0 ? std::string("zadání") : "řádek postupu " + std::to_string(slot);
    where += " „" + notation::print(item.rec.slot(slot)) + "“: ";
    // Several checks can trip over the same fault; say it once.
    if (reported_.insert(where + what).second) problems.push_back(where + what);
}

void Checker::fileProblem(const std::string& file, const std::string& what) {
    problems.push_back(file + ": " + what);
}

void Checker::countRule(const std::string& path, size_t count) {
    if (count == 0) {
        fileProblem(path, "soubor neobsahuje žádnou rovnici");
        return;
    }
    if (count > MAX_RECORDS)
        fileProblem(path, "soubor má " + std::to_string(count) + " rovnic, program jich přečte nejvýš 199");
    if (isAreaFile(path) && count % 3 != 0)
        fileProblem(path, "počet rovnic (" + std::to_string(count) +
                              ") není násobkem tří; výběr bere rovnice po trojicích");
}

void Checker::checkItem(const Item& item) {
    ++equationCount_;
    const EquationRecord& rec = item.rec;
    if (!std::isfinite(rec.root)) {
        report(item, 0, "kořen v záznamu není konečné číslo");
        return;
    }

    errorCode = 0;
    const std::string equation = normalise(rec.slot(0));
    errorCode = 0;
    const exact::Solution solution = exact::solveLinear(equation);
    exact::Rational root;
    bool rootKnown = false;
    if (!solution.ok) {
        report(item, 0, solution.problem);
        if (item.hasExactRoot) {
            root = item.exactRoot;
            rootKnown = true;
        } else {
            rootKnown = exact::rationalOfDouble(rec.root, root);
        }
    } else {
        root = solution.root;
        rootKnown = true;
        Item atRoot = item;  // root problems point at the root's own line
        if (item.rootLine > 0) atRoot.lineOf[0] = item.rootLine;
        if (item.hasExactRoot && item.exactRoot != solution.root) {
            report(atRoot, 0, "kořen rovnice je x = " + solution.root.text() + ", zapsán je " +
                                item.exactRoot.text());
        } else if (!item.hasExactRoot && rec.root != solution.root.toDouble()) {
            report(atRoot, 0, "kořen rovnice je x = " + solution.root.text() + " (" +
                                doubleText(solution.root.toDouble()) + "), v záznamu je " +
                                doubleText(rec.root));
        }
    }

    if (item.steps == 0) report(item, 0, "chybí vzorové řešení (1 až 20 řádků)");
    // The pupil sees the equation without a note, and the solution starts by
    // writing it out, so that the first step's note has a line to stand on.
    bool equationHasNote, firstHasNote;
    const std::string equationMath = mathPart(rec.slot(0), equationHasNote);
    if (equationHasNote) report(item, 0, "zadání nemá mít poznámku");
    if (item.steps > 0 && mathPart(rec.slot(1), firstHasNote) != equationMath)
        report(item, 1, "první řádek postupu neopakuje zadání");

    for (int k = 0; k <= item.steps && k < EquationRecord::SLOTS; ++k) {
        const std::string line = rec.slot(k);
        for (const std::string& p : lineProblems(line)) report(item, k, p);

        errorCode = 0;
        const std::string text = normalise(line);
        errorCode = 0;
        const int code = checkEquation(text, rec.root);
        errorCode = 0;
        if (code != 0) {
            report(item, k, "kontrola programu řádek nepřijme: chyba " + std::to_string(code) +
                                " (" + engineMessage(code) + ")");
        }
        const bool final = isFinalForm(text);
        errorCode = 0;
        if (k == item.steps && k > 0 && !final)
            report(item, k, "poslední řádek není výsledek x = číslo nebo x = zlomek v základním tvaru");
        if (k < item.steps && final)
            report(item, k, k == 0 ? "zadání už je samo výsledkem"
                                   : "řádek už je výsledkem, ale není poslední; program by řešení zde ukončil");

        if (rootKnown) {
            exact::Rational left, right;
            std::string why;
            if (!exact::sidesAt(text, root, left, right, why))
                report(item, k, why);
            else if (left != right)
                report(item, k, "při x = " + root.text() + " přesně neplatí (vlevo " + left.text() +
                                    ", vpravo " + right.text() + ")");
        }
    }

    auto found = equations_.find(equation);
    const std::string stem = fileStem(item.file);
    if (found == equations_.end()) {
        equations_[equation] = Seen{item.file, stem, item.record};
    } else if (found->second.file == item.file || found->second.stem != stem) {
        // A source and the file built from it hold the same equations; only
        // repeats between different areas, or within one file, count.
        report(item, 0, "stejná rovnice už je v " + found->second.file + ", záznam " +
                            std::to_string(found->second.record));
    }
}

void Checker::checkDatFile(const std::string& path, const std::string& bytes) {
    if (bytes.size() % EquationRecord::RECORD_SIZE != 0)
        fileProblem(path, "velikost " + std::to_string(bytes.size()) +
                              " B není násobkem 5384; neúplný záznam na konci program nepřečte");
    const std::vector<EquationRecord> records = source::recordsOf(bytes);
    countRule(path, records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        Item item;
        item.file = path;
        item.record = static_cast<int>(i);
        item.rec = records[i];
        item.steps = item.rec.solutionLines();
        for (int k = item.steps + 1; k < EquationRecord::SLOTS; ++k) {
            bool zero = true;
            for (int b = 0; b < EquationRecord::SLOT_SIZE; ++b) zero = zero && item.rec.slots[k][b] == 0;
            if (!zero) {
                report(item, k, "slot za koncem vzorového řešení není vynulovaný; program ho nečte");
                break;
            }
        }
        checkItem(item);
    }
}

void Checker::checkSourceFile(const std::string& path, const std::string& content) {
    std::vector<source::Equation> equations;
    std::vector<source::Error> errors;
    source::parse(content, equations, errors);
    for (const source::Error& e : errors) problems.push_back(path + ":" + std::to_string(e.lineNumber) + ": " + e.message);
    countRule(path, equations.size());
    for (size_t i = 0; i < equations.size(); ++i) {
        const source::Equation& eq = equations[i];
        Item item;
        item.file = path;
        item.record = static_cast<int>(i);
        item.rec = eq.record();
        item.steps = static_cast<int>(std::min<size_t>(eq.steps.size(), EquationRecord::MAX_SOLUTION_LINES));
        item.lineOf[0] = eq.equation.lineNumber;
        for (int k = 1; k <= item.steps; ++k) item.lineOf[k] = eq.steps[k - 1].lineNumber;
        item.rootLine = eq.rootLine;
        item.hasExactRoot = true;
        item.exactRoot = eq.root;
        checkItem(item);
    }
}

}  // namespace verify
