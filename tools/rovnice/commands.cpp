#include "tools/rovnice/commands.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "engine/enginedetail.h"
#include "problems/equationfile.h"
#include "problems/equationlist.h"
#include "tools/rovnice/notation.h"
#include "tools/rovnice/sourcefile.h"
#include "tools/rovnice/verify.h"

namespace rovnice {
namespace {

const char* const HELP =
    "rovnice – nástroj pro soubory s rovnicemi programu Velmir rovnic\n"
    "\n"
    "Zápis řádku (UTF-8): \\frac{čitatel}{jmenovatel}, mocnina ^2 nebo ^{…},\n"
    "\\xHH libovolný bajt, \\\\ \\{ \\} \\^ tytéž znaky; ostatní znaky jsou samy sebou.\n"
    "\n"
    "  rovnice check --root R ŘÁDEK\n"
    "      Zkontroluje řádek při kořeni R (desetinné číslo nebo p/q) a vypíše JSON\n"
    "      {\"normalised\": …, \"error\": kód, \"final\": true/false}.\n"
    "  rovnice eval VÝRAZ\n"
    "      Vyčíslí lineární text (^ je mocnina, \\xHH bajt); vypíše {\"value\": …, \"error\": kód}.\n"
    "  rovnice numbertext V\n"
    "      Vypíše číselný text čísla V, jak ho program dosazuje za neznámou.\n"
    "  rovnice build ZDROJ.txt… -o SLOŽKA\n"
    "      Přeloží zdrojové soubory rovnic do SLOŽKA/<jméno>.dat.\n"
    "  rovnice verify SOUBOR…\n"
    "      Zkontroluje soubory .dat (i .cvc) a zdroje .txt: přesný kořen, vzorové\n"
    "      řešení, tvar řádků, opakované rovnice. Vypíše každý problém se souborem,\n"
    "      záznamem a řádkem; při problému skončí kódem 1.\n"
    "  rovnice list SOUBOR\n"
    "      Každý záznam jedním řádkem, jak ho ukazuje prohlížeč souborů s rovnicemi.\n"
    "  rovnice show SOUBOR N\n"
    "      Záznam N (od 0) ve tvaru zdrojového souboru.\n"
    "\n"
    "Argumenty ŘÁDEK, VÝRAZ a V se nikdy nečtou jako volby, ani když začínají „-“.\n"
    "Návratový kód: 0 hotovo (i když kontrola ohlásí chybu), 1 problém se soubory,\n"
    "2 chybné použití.\n";

int usage(std::ostream& err, const std::string& message) {
    err << "rovnice: " << message << " (nápověda: rovnice --help)\n";
    return EXIT_USAGE;
}

// A finite decimal number, or (when allowed) p/q computed as p divided by q.
bool parseNumber(const std::string& s, bool allowFraction, double& value) {
    const size_t slash = s.find('/');
    if (slash != std::string::npos) {
        if (!allowFraction) return false;
        double p, q;
        if (!parseNumber(s.substr(0, slash), false, p) || !parseNumber(s.substr(slash + 1), false, q) || q == 0)
            return false;
        value = p / q;
        return std::isfinite(value);
    }
    if (!engine_detail::isDecimalReal(s)) return false;
    value = std::strtod(s.c_str(), nullptr);
    return std::isfinite(value);
}

bool readFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) return false;
    content = buf.str();
    return true;
}

// The inside of a JSON string: the escapes of escapeAscii keep their
// backslash, written as JSON wants it, and a quote cannot end the string.
std::string jsonString(const std::string& ascii) {
    std::string out;
    for (char c : ascii) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

bool hasExtension(const std::string& path, const std::string& ext) {
    if (path.size() < ext.size()) return false;
    std::string tail = path.substr(path.size() - ext.size());
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ext;
}

int cmdCheck(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    std::string rootArg, lineArg;
    if (a.size() == 3 && a[0] == "--root") {
        rootArg = a[1];
        lineArg = a[2];
    } else if (a.size() == 2 && a[0].compare(0, 7, "--root=") == 0) {
        rootArg = a[0].substr(7);
        lineArg = a[1];
    } else {
        return usage(err, "použití: rovnice check --root R ŘÁDEK");
    }
    double root;
    if (!parseNumber(rootArg, true, root))
        return usage(err, "kořen „" + rootArg + "“ není desetinné číslo ani zlomek p/q");
    std::string line, why;
    if (!notation::parse(lineArg, line, why)) return usage(err, "řádek: " + why);

    errorCode = 0;
    const std::string normalised = normalise(line);
    errorCode = 0;
    checkEquation(normalised, root);
    const int32_t code = errorCode;
    errorCode = 0;
    const bool final = isFinalForm(normalised);
    errorCode = 0;
    out << "{\"normalised\": \"" << jsonString(notation::escapeAscii(normalised)) << "\", \"error\": " << code
        << ", \"final\": " << (final ? "true" : "false") << "}\n";
    return EXIT_OK;
}

int cmdEval(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) return usage(err, "použití: rovnice eval VÝRAZ");
    std::string expression, why;
    if (!notation::parseLinear(a[0], expression, why)) return usage(err, "výraz: " + why);
    errorCode = 0;
    const double value = evaluate(expression);
    const int32_t code = errorCode;
    errorCode = 0;
    out << "{\"value\": ";
    // A product that overflows can end in infinity without an error code; JSON
    // has no word for it, so it is reported as no value.
    if (code > 0 || !std::isfinite(value)) {
        out << "null";
    } else {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.17g", value);
        out << buf;
    }
    out << ", \"error\": " << code << "}\n";
    return EXIT_OK;
}

int cmdNumberText(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) return usage(err, "použití: rovnice numbertext V");
    double v;
    if (!parseNumber(a[0], false, v)) return usage(err, "„" + a[0] + "“ není desetinné číslo");
    out << numberText(v) << "\n";
    return EXIT_OK;
}

// Writes beside the target and renames, so that an interrupted build never
// leaves a half-written equation file in the program's folder.
bool writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

int cmdBuild(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    std::vector<std::string> sources;
    std::string dir;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "-o" || a[i] == "--out") {
            if (i + 1 >= a.size()) return usage(err, "za -o chybí složka");
            dir = a[++i];
        } else {
            sources.push_back(a[i]);
        }
    }
    if (sources.empty() || dir.empty()) return usage(err, "použití: rovnice build ZDROJ.txt… -o SLOŽKA");

    int status = EXIT_OK;
    for (const std::string& src : sources) {
        std::string content;
        if (!readFile(src, content)) {
            err << src << ": soubor se nepodařilo přečíst\n";
            status = EXIT_PROBLEMS;
            continue;
        }
        std::vector<source::Equation> equations;
        std::vector<source::Error> errors;
        if (!source::parse(content, equations, errors)) {
            for (const source::Error& e : errors) err << src << ":" << e.lineNumber << ": " << e.message << "\n";
            status = EXIT_PROBLEMS;
            continue;
        }
        if (equations.size() > 199) {
            err << src << ": " << equations.size() << " rovnic, soubor jich smí mít nejvýš 199\n";
            status = EXIT_PROBLEMS;
            continue;
        }
        const std::string target = dir + "/" + verify::fileStem(src) + ".dat";
        if (!writeFileAtomically(target, source::fileBytes(equations))) {
            err << target << ": soubor se nepodařilo zapsat\n";
            status = EXIT_PROBLEMS;
            continue;
        }
        out << src << " -> " << target << " (" << equations.size() << " rovnic)\n";
    }
    return status;
}

int cmdVerify(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.empty()) return usage(err, "použití: rovnice verify SOUBOR…");
    verify::Checker checker;
    for (const std::string& path : a) {
        std::string content;
        if (!readFile(path, content)) {
            checker.problems.push_back(path + ": soubor se nepodařilo přečíst");
            continue;
        }
        if (hasExtension(path, ".txt")) checker.checkSourceFile(path, content);
        else checker.checkDatFile(path, content);
    }
    for (const std::string& p : checker.problems) out << p << "\n";
    out << "Zkontrolováno souborů: " << a.size() << ", rovnic: " << checker.equationCount()
        << ", problémů: " << checker.problems.size() << "\n";
    return checker.problems.empty() ? EXIT_OK : EXIT_PROBLEMS;
}

// Whole records of a file, or false with the program's own message.
bool readRecords(const std::string& path, std::vector<EquationRecord>& records, std::ostream& err) {
    std::string content;
    if (!readFile(path, content)) {
        err << "Nepodařilo se otevřít soubor " << path << "\n";
        return false;
    }
    records = source::recordsOf(content);
    return true;
}

int cmdList(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) return usage(err, "použití: rovnice list SOUBOR");
    std::vector<EquationRecord> records;
    if (!readRecords(a[0], records, err)) return EXIT_PROBLEMS;
    for (const EquationRecord& r : records) {
        // The browser's own line, so the tool shows what the teacher sees.
        const std::string line = equationListLine(r, ListGap::Browser);
        // A damaged record must not break the one-line-per-record output.
        for (char c : cp1250::toUtf8(line)) {
            if (static_cast<unsigned char>(c) < 32 || c == 127) out << "\xEF\xBF\xBD";
            else out << c;
        }
        out << "\n";
    }
    return EXIT_OK;
}

int cmdShow(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) return usage(err, "použití: rovnice show SOUBOR N");
    const std::string& n = a[1];
    if (n.empty() || n.size() > 9 || n.find_first_not_of("0123456789") != std::string::npos)
        return usage(err, "číslo záznamu „" + n + "“ není celé číslo od 0");
    const size_t number = std::stoul(n);
    std::vector<EquationRecord> records;
    if (!readRecords(a[0], records, err)) return EXIT_PROBLEMS;
    if (number >= records.size()) {
        err << "rovnice: záznam " << number << " v souboru " << a[0] << " není (záznamů: "
            << records.size() << ")\n";
        return EXIT_PROBLEMS;
    }
    out << source::block(records[number]);
    return EXIT_OK;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return usage(err, "chybí příkaz");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << HELP;
        return EXIT_OK;
    }
    if (command == "check") return cmdCheck(rest, out, err);
    if (command == "eval") return cmdEval(rest, out, err);
    if (command == "numbertext") return cmdNumberText(rest, out, err);
    if (command == "build") return cmdBuild(rest, out, err);
    if (command == "verify") return cmdVerify(rest, out, err);
    if (command == "list") return cmdList(rest, out, err);
    if (command == "show") return cmdShow(rest, out, err);
    return usage(err, "neznámý příkaz „" + command + "“");
}

}  // namespace rovnice
