#include "teacher/ui/printpainter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "engine/ui/qtext.h"
#include "teacher/printout.h"

namespace {

// A serif face with the Central European letters, the printing font at
// `pixelSize` printer units.
QFont printFont(int pixelSize) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setFamilies(
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

class DeviceMeasure : public TextMeasure {
public:
    explicit DeviceMeasure(QPaintDevice* device) : device_(device) {}
    int textHeight(int fontHeight, const std::string&) override {
        // The full line cell, as the printer's text height is.
        return QFontMetrics(printFont(fontHeight), device_).height();
    }

private:
    QPaintDevice* device_;
};

}  // namespace

void drawPrintout(QPainter& painter, QPagedPaintDevice& device, const std::string& fileName,
                  const std::vector<std::string>& lines) {
    DeviceMeasure measure(&device);
    const PrintLayout layout = layoutPrintout(fileName, lines, device.width(), device.height(), measure);
    const QFont font = printFont(layout.fontHeight);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(font, &device).ascent();
    for (size_t page = 0; page < layout.pages.size(); ++page) {
        if (page > 0) device.newPage();
        // Each place is the top of the text's cell.
        for (const PrintText& text : layout.pages[page]) painter.drawText(text.x, text.y + ascent, toQt(text.text));
    }
}

bool printOnDefaultPrinter(const std::string& fileName, const std::vector<std::string>& lines) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(toQt(printTitle(fileName)).trimmed());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    drawPrintout(painter, printer, fileName, lines);
    return painter.end();
}

bool printoutPdf(const std::string& fileName, const std::vector<std::string>& lines, QByteArray& pdf) {
    pdf.clear();
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&buffer);
    writer.setTitle(toQt(printTitle(fileName)).trimmed());
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    drawPrintout(painter, writer, fileName, lines);
    return painter.end() && !pdf.isEmpty();
}
