// The printed list of an equation file drawn with Qt: on the default printer,
// or into a PDF when the teacher asks for one.  Both use drawPrintout.
#pragma once

#include <QByteArray>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

// Draws the title and the numbered lines on `device` (already begun by
// `painter`), page after page as layoutPrintout places them.
void drawPrintout(QPainter& painter, QPagedPaintDevice& device, const std::string& fileName,
                  const std::vector<std::string>& lines);

// Prints on the default printer.  False, with nothing printed, when there is
// no printer or it refuses the job.
bool printOnDefaultPrinter(const std::string& fileName, const std::vector<std::string>& lines);

// The same pages as a PDF document (A4, margins as a printer has them).
bool printoutPdf(const std::string& fileName, const std::vector<std::string>& lines, QByteArray& pdf);
