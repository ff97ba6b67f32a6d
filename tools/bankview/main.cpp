// bankview: the equations of an equation file as the program draws them.
//
//   bankview fit SOUBOR.dat…            what does not fit at 800 x 600
//   bankview widths SOUBOR.dat          the room left on every line, in pixels
//                                       (the equation first)
//   bankview render SOUBOR.dat N OBRÁZEK.png [PODKLAD.bmp]
//                                       record N (from 0) with its solution shown
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QImage>

#include "editor/ui/linepainter.h"
#include "tools/bankview/bankview.h"

namespace {

const char* const USAGE =
    "použití: bankview fit SOUBOR.dat…\n"
    "         bankview widths SOUBOR.dat\n"
    "         bankview render SOUBOR.dat N OBRÁZEK.png [PODKLAD.bmp]\n";

bool readRecords(const std::string& path, std::vector<EquationRecord>& records) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "Nepodařilo se otevřít soubor " << path << "\n";
        return false;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    const std::string bytes = buf.str();
    for (size_t at = 0; at + EquationRecord::RECORD_SIZE <= bytes.size(); at += EquationRecord::RECORD_SIZE)
        records.push_back(
            EquationRecord::fromBytes(reinterpret_cast<const unsigned char*>(bytes.data() + at)));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const MainWindowGeometry g = computeGeometry(800, 600, 800, 600);
    QtTextMetrics metrics;
    if (args.size() >= 2 && args[0] == "fit") {
        int problems = 0;
        for (size_t f = 1; f < args.size(); ++f) {
            std::vector<EquationRecord> records;
            if (!readRecords(args[f], records)) return 1;
            for (size_t i = 0; i < records.size(); ++i)
                for (const std::string& p : bankview::fitProblems(records[i], g, metrics)) {
                    std::cout << args[f] << ": záznam " << i << ": " << p << "\n";
                    ++problems;
                }
        }
        std::cout << "problémů: " << problems << "\n";
        return problems ? 1 : 0;
    }
    if (args.size() == 2 && args[0] == "widths") {
        std::vector<EquationRecord> records;
        if (!readRecords(args[1], records)) return 1;
        for (size_t i = 0; i < records.size(); ++i) {
            std::cout << i << ":";
            for (int k = 0; k <= records[i].solutionLines(); ++k) {
                const bankview::LineExtent e = bankview::extentOf(records[i], k, g, metrics);
                std::cout << " " << e.room - e.width << (e.band.contains(e.ink) ? "" : "!");
            }
            std::cout << "\n";
        }
        return 0;
    }
    if ((args.size() == 4 || args.size() == 5) && args[0] == "render") {
        std::vector<EquationRecord> records;
        if (!readRecords(args[1], records)) return 1;
        const size_t n = std::stoul(args[2]);
        if (n >= records.size()) {
            std::cerr << "záznam " << n << " v souboru " << args[1] << " není\n";
            return 1;
        }
        const QImage picture = args.size() == 5 ? QImage(QString::fromStdString(args[4])) : QImage();
        if (!bankview::renderSolution(records[n], g, picture).save(QString::fromStdString(args[3]))) {
            std::cerr << "Obrázek " << args[3] << " se nepodařilo uložit\n";
            return 1;
        }
        return 0;
    }
    std::cerr << USAGE;
    return 2;
}
