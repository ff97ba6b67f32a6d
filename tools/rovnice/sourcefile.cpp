#include "tools/rovnice/sourcefile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/rovnice/notation.h"

namespace source {
namespace {

std::string trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
    return s.substr(a, b - a);
}

bool startsWith(const std::string& s, const std::string& key) { return s.compare(0, key.size(), key) == 0; }

// The text after a key, or false when the line does not begin with one.
bool keyValue(const std::string& line, std::initializer_list<const char*> keys, std::string& value) {
    for (const char* key : keys) {
        if (startsWith(line, key)) {
            value = trim(line.substr(std::string(key).size()));
            return true;
        }
    }
    return false;
}

}  // namespace

EquationRecord Equation::record() const {
    EquationRecord r;
    r.setSlot(0, equation.bytes);
    for (size_t k = 0; k < steps.size() && k < EquationRecord::MAX_SOLUTION_LINES; ++k)
        r.setSlot(static_cast<int>(k) + 1, steps[k].bytes);
    r.root = root.toDouble();
    return r;
}

bool parse(const std::string& content, std::vector<Equation>& equations, std::vector<Error>& errors) {
    const size_t errorsBefore = errors.size();
    std::string text = content;
    if (startsWith(text, "\xEF\xBB\xBF")) text.erase(0, 3);

    bool inBlock = false, hasRoot = false, inSteps = false, hasSteps = false;
    Equation current;
    auto error = [&](int line, const std::string& message) { errors.push_back({line, message}); };
    auto finish = [&]() {
        if (!inBlock) return;
        if (!hasRoot) error(current.equation.lineNumber, "rovnice nemá „koren:“");
        if (!hasSteps) error(current.equation.lineNumber, "rovnice nemá „postup:“");
        if (current.steps.size() > static_cast<size_t>(EquationRecord::MAX_SOLUTION_LINES))
            error(current.steps[EquationRecord::MAX_SOLUTION_LINES].lineNumber,
                  "postup má víc než 20 řádků");
        if (hasRoot) equations.push_back(current);
        inBlock = hasRoot = inSteps = hasSteps = false;
        current = Equation();
    };
    auto writtenLine = [&](int lineNumber, const std::string& notationText, Line& out) {
        out.lineNumber = lineNumber;
        std::string why;
        if (!notation::parse(notationText, out.bytes, why)) {
            error(lineNumber, why);
            return false;
        }
        if (out.bytes.empty()) {
            error(lineNumber, "prázdný řádek rovnice");
            return false;
        }
        if (out.bytes.size() > 255) {
            error(lineNumber, "řádek má víc než 255 bajtů");
            return false;
        }
        return true;
    };

    size_t start = 0;
    int lineNumber = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trim(text.substr(start, end - start));
        ++lineNumber;
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;

        std::string value;
        if (keyValue(line, {"rovnice:"}, value)) {
            finish();
            inBlock = true;
            writtenLine(lineNumber, value, current.equation);
        } else if (keyValue(line, {"koren:", "kořen:"}, value)) {
            if (!inBlock) {
                error(lineNumber, "„koren:“ bez předchozího „rovnice:“");
            } else if (hasRoot) {
                error(lineNumber, "druhý „koren:“ u téže rovnice");
            } else if (inSteps) {
                error(lineNumber, "„koren:“ má stát před „postup:“");
            } else if (!exact::parseRational(value, current.root)) {
                error(lineNumber, "kořen „" + value +
                                      "“ není celé číslo, desetinné číslo ani zlomek p/q");
            } else {
                current.rootLine = lineNumber;
                hasRoot = true;
            }
        } else if (keyValue(line, {"postup:"}, value)) {
            if (!inBlock) {
                error(lineNumber, "„postup:“ bez předchozího „rovnice:“");
            } else if (hasSteps) {
                error(lineNumber, "druhý „postup:“ u téže rovnice");
            } else if (!value.empty()) {
                error(lineNumber, "za „postup:“ nic nepište; řádky postupu patří na další řádky");
            } else {
                inSteps = hasSteps = true;
            }
        } else if (inSteps) {
            Line step;
            if (writtenLine(lineNumber, line, step)) current.steps.push_back(step);
        } else {
            error(lineNumber, "řádek nepatří k žádnému klíči (rovnice:, koren:, postup:)");
        }
        if (end == text.size()) break;
    }
    finish();
    return errors.size() == errorsBefore;
}

std::string rootText(double root) {
    if (!std::isfinite(root)) return "nan";
    char buf[64];
    // The shortest fixed-point decimal that gives exactly this double.
    std::string decimal;
    for (int places = 0; places <= 20 && decimal.empty(); ++places) {
        std::snprintf(buf, sizeof buf, "%.*f", places, root);
        if (std::strtod(buf, nullptr) == root) decimal = buf;
    }
    size_t significant = 0;
    bool leading = true;
    for (char c : decimal) {
        if (c >= '1' && c <= '9') leading = false;
        if (c >= '0' && c <= '9' && !leading) ++significant;
    }
    if (!decimal.empty() && significant <= 6) return decimal;
    exact::Rational r;
    if (exact::rationalOfDouble(root, r)) return r.text();
    if (!decimal.empty()) return decimal;
    std::snprintf(buf, sizeof buf, "%.17g", root);
    return buf;
}

std::string block(const EquationRecord& record) {
    std::string out = "rovnice: " + notation::print(record.slot(0)) + "\n";
    out += "koren: " + rootText(record.root) + "\n";
    out += "postup:\n";
    const int n = record.solutionLines();
    for (int k = 1; k <= n; ++k) out += "    " + notation::print(record.slot(k)) + "\n";
    return out;
}

std::string fileBytes(const std::vector<Equation>& equations) {
    std::string bytes;
    for (const Equation& eq : equations) {
        unsigned char buf[EquationRecord::RECORD_SIZE];
        eq.record().toBytes(buf);
        bytes.append(reinterpret_cast<const char*>(buf), sizeof buf);
    }
    return bytes;
}

std::vector<EquationRecord> recordsOf(const std::string& fileBytes) {
    std::vector<EquationRecord> records;
    const auto* data = reinterpret_cast<const unsigned char*>(fileBytes.data());
    for (size_t i = 0; i + EquationRecord::RECORD_SIZE <= fileBytes.size(); i += EquationRecord::RECORD_SIZE)
        records.push_back(EquationRecord::fromBytes(data + i));
    return records;
}

}  // namespace source
