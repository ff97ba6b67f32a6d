// Equations as lines of text for the teacher's lists and the printout, and
// the equation files of a folder.
//
// Everything here reads records into records of its own, never into the
// current equation: a pupil may be solving while the teacher looks at lists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "problems/equationfile.h"

// Receives a message (Windows-1250) for the warning dialog.
using ListWarning = std::function<void(const std::string&)>;

// The root as the lists show it: number text without its parentheses, and
// without the padding zeros after a decimal point (at most four) and a point
// left bare.  A root of 20000 stays "20000".
std::string listRootText(const std::string& numberText);

// The gap between an equation and its root: seven blanks in the builder's
// list, one in the browser's list and the printout.
enum class ListGap { Builder, Browser };

// The equation's normalised text (ending in a blank) + gap + "( " + root +
// " )".  The power byte is shown as "^".  errorCode is left as it was.
std::string equationListLine(const EquationRecord& record, ListGap gap);

// The regular files of `folder` whose names end in one of `extensions`
// (".cvc", ".dat"; any case), sorted by name, each with its name as shown
// (cp1250::fromDiskName) and as on the disk.  A name that cannot be shown is
// left out.
std::vector<ListedFile> listEquationFiles(const std::string& folder, const std::vector<std::string>& extensions);

// The browser's right list for one file of `folder`: a line per whole record.
// A file that cannot be opened gives "Nepodařilo se otevřít soubor " + name
// and no line; a failed read "Chyba při čtení ze souboru " + name and the
// lines read before it.  Returns false after a message.
bool fileListLines(const std::string& folder, const ListedFile& file, std::vector<std::string>& lines,
                   const ListWarning& warn);

// One area file of the bank with its number of records counted at start-up.
struct BankArea {
    int32_t code = 0;
    int count = 0;
};

// The area and record of an equation by its position in the bank's list
// (the areas in order, each with its records 0..count-1); false past the end.
bool locateBankEquation(int32_t position, const std::vector<BankArea>& areas, int32_t& code, int& record);

// The builder's left list: one line per equation of the bank, in the order
// of locateBankEquation, read from the area files in `folder`.
// An area file that cannot be read (or is shorter than its count) gives one
// message and a line "(rovnici se nepodařilo přečíst)" for each missing
// equation, so that positions still lead to the right equations.
std::vector<std::string> bankListLines(const std::string& folder, const std::vector<BankArea>& areas,
                                       const ListWarning& warn);

// The line that stands for an equation that could not be read.
std::string unreadableEquationLine();

// Hands each whole record of the file `path` (a name on the disk) to `each`,
// at most `limit` of them (all for -1); one record at a time, so a huge file
// costs no more memory than its lines.  Opened: false when the file cannot
// be opened; complete: false when a read failed part-way.
struct RecordsRead {
    bool opened = false;
    bool complete = false;
};
RecordsRead readEquationRecords(const std::string& path, const std::function<void(const EquationRecord&)>& each,
                                long limit = -1);

// `folder` + "/" + a name in Windows-1250, as the name on the disk.
std::string pathInFolder(const std::string& folder, const std::string& name);
