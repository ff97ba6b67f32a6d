// The printed list of an equation file, as texts at places on pages: the
// window draws them on the printer (or into a PDF) with the font height
// computed here.
//
// A page has 40 line slots, slot k at y = step × k + step / 8 with step =
// page height / 40.  The title is in slot 0 of the first page, equation i in
// slot i + 2, so 37 equations fill the first page; longer lists go on over
// further pages, 40 equations a page from slot 0, so that every equation is
// printed at a readable size.
#pragma once

#include <string>
#include <vector>

// Text metrics of the printer, passed in.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The height of `text` (the full line cell) in the print font at `fontHeight` printer units.
    virtual int textHeight(int fontHeight, const std::string& text) = 0;
};

constexpr int PRINT_SLOTS = 40;
constexpr int PRINT_FIRST_FONT_HEIGHT = 5;
constexpr int PRINT_TITLE_X = 25;

struct PrintText {
    int x = 0, y = 0;
    std::string text;  // Windows-1250
};

struct PrintLayout {
    int step = 0;        // line step in printer units
    int fontHeight = 0;  // the print font's height in printer units
    std::vector<std::vector<PrintText>> pages;  // at least one page
};

// "   Zadání rovnic s řešením ze souboru: " + the file's name.
std::string printTitle(const std::string& fileName);

// Lays out the title and the numbered lines "i)  " + line.  The font grows
// from 5 while the height of "X" is below the step, but never beyond the step
// itself, so a font whose height does not grow cannot hold the printing up.
PrintLayout layoutPrintout(const std::string& fileName, const std::vector<std::string>& lines, int pageWidth,
                           int pageHeight, TextMeasure& measure);

// Warnings of the browser's print button (Windows-1250).
std::string noFileToPrintMessage();  // no file chosen in the left list
std::string noPrinterMessage();      // no printer, or the printer refused the job
