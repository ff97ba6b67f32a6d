// genpictures: draws every picture of the program from the readable sources
// in data/pictures into the runtime folder.
//
//   genpictures <sources> <runtime folder> [--report <file>]
//   genpictures <sources> --contact-sheet <file.png>
//   genpictures <sources> --icon <frame> <size> <file.png>
//
// The report lists, for both start-screen pictures, the pixels each menu
// item's drawing covers, so the tests can hold them against the click boxes.
#include "tools/genpictures/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

namespace {

struct Picture {
    QString name;  // path below the runtime folder
    QImage image;
};

QVector<Picture> drawAll(const Sources& sources, QVector<DrawnItem>* drawn800,
                         QVector<DrawnItem>* drawn1024) {
    QVector<Picture> pictures;
    QImage dial = drawDial(sources.palette);
    pictures.push_back({"system/podklad800.bmp", drawStartScreen(sources, 1.0, dial, drawn800)});
    pictures.push_back({"system/podklad.bmp", drawStartScreen(sources, 1.28, dial, drawn1024)});
    pictures.push_back({"system/tachak.bmp", dial});
    pictures.push_back({"system/bublina.bmp", drawBubble(sources)});
    pictures.push_back({"system/klavesnice.bmp", drawKeypad(sources)});
    for (const QString& name : toolIconNames())
        pictures.push_back({"system/" + name + ".bmp", drawToolIcon(sources.palette, name)});
    for (const MascotFrame& frame : sources.frames)
        pictures.push_back({QString("system/velmir%1.bmp").arg(frame.number, 2, 10, QChar('0')),
                            drawMascot(sources, frame)});
    return pictures;
}

void writeReport(const QString& path, const QVector<DrawnItem>& drawn800,
                 const QVector<DrawnItem>& drawn1024) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) fatal("cannot write " + path);
    QTextStream out(&file);
    out << "# picture-width code left top right bottom (pixels covered, inclusive)\n";
    for (const auto& [width, list] : {qMakePair(800, &drawn800), qMakePair(1024, &drawn1024)})
        for (const DrawnItem& item : *list)
            out << width << ' ' << item.code << ' ' << item.pixels.left() << ' ' << item.pixels.top()
                << ' ' << item.pixels.right() << ' ' << item.pixels.bottom() << '\n';
}

const QImage& find(const QVector<Picture>& pictures, const QString& name) {
    for (const Picture& pic : pictures)
        if (pic.name == name) return pic.image;
    fatal("no picture " + name);
}

// Copies every pixel but those of the colour at (1, 1), as the program
// draws the mascot, or those of `key` for the bubble.
void drawKeyed(QPainter& p, QPoint at, const QImage& image, QRgb key) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != key) {
                p.setPen(QColor(image.pixel(x, y)));
                p.drawPoint(at + QPoint(x, y));
            }
}

// The 800 x 600 screen as a pupil sees it while working, put together the
// way the program does it, to judge the pictures in place.
QImage workingPreview(const QVector<Picture>& pictures) {
    QImage screen = find(pictures, "system/podklad800.bmp").copy();
    QPainter p(&screen);
    p.fillRect(QRect(105, 7, 589, 54), Qt::white);          // equation band
    p.fillRect(QRect(32, 100, 747, 481), Qt::white);        // writing area
    p.setPen(QColor(0, 255, 255));
    for (int i = 1; i <= 9; ++i) p.drawLine(27, 100 + i * 50, 764, 100 + i * 50);
    p.setPen(Qt::black);
    p.setFont(serifFont(37));
    p.drawText(QPoint(300, 50), "3x + 12 = 7x + 4");
    p.setFont(serifFont(32));
    p.drawText(QPoint(30, 140), "3x - 7x = 4 - 12");
    p.drawImage(708, 10, find(pictures, "system/tachak.bmp"));
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(708 + 38, 10 + 72, 708 + 46, 10 + 32);
    const QImage& mascot = find(pictures, "system/velmir02.bmp");
    drawKeyed(p, QPoint(26, 14), mascot, mascot.pixel(1, 1));
    QImage bubble = find(pictures, "system/bublina.bmp").copy();
    {
        QPainter b(&bubble);
        b.setFont(bubbleFont());
        b.setBackgroundMode(Qt::OpaqueMode);
        b.setBackground(QColor(192, 192, 192));
        QFontMetrics fm(bubbleFont());
        const char* lines[3] = {"Rovnice je vyřešená.", "Teď dělej zkoušku.", "rovná se."};
        for (int i = 0; i < 3; ++i)
            b.drawText(bubbleLinePos(i + 1) + QPoint(0, fm.ascent()), QString::fromUtf8(lines[i]));
    }
    drawKeyed(p, QPoint(81, 5), bubble, qRgb(255, 255, 255));
    p.drawImage((800 - KEYPAD_WIDTH) / 2, 100 + 50 + 55, find(pictures, "system/klavesnice.bmp"));
    int x = 432;
    for (const QString& name : toolIconNames()) {
        if (name == "hodnoceni") x = 568;
        p.drawImage(x, 72, find(pictures, "system/" + name + ".bmp"));
        x += 32;
    }
    p.fillRect(QRect(112, 72, 113, 25), QColor(225, 225, 225));
    p.setFont(sansFont(12));
    p.drawText(QRect(112, 72, 113, 25), Qt::AlignCenter, "Ukázat řešení");
    return screen;
}

// Every picture on one sheet for review: the small ones enlarged, the
// mascot frames in a row with their numbers, the start screens below.
QImage contactSheet(const QVector<Picture>& pictures) {
    const int zoom = 3, margin = 16;
    QImage sheet(1100, 2550, QImage::Format_RGB32);
    sheet.fill(QColor("#F0F0F0"));
    QPainter p(&sheet);
    p.setFont(sansFont(12, true));
    int x = margin, y = margin, rowHeight = 0;
    auto place = [&](const Picture& pic, int scale) {
        int w = pic.image.width() * scale, h = pic.image.height() * scale;
        if (x + w > sheet.width() - margin) { x = margin; y += rowHeight + 22; rowHeight = 0; }
        p.drawImage(QRect(x, y, w, h), pic.image);
        p.setPen(Qt::black);
        p.drawText(QPoint(x, y + h + 14), QFileInfo(pic.name).baseName());
        x += w + margin;
        rowHeight = qMax(rowHeight, h);
    };
    for (const Picture& pic : pictures)
        if (pic.name.contains("velmir")) place(pic, zoom);
    x = sheet.width();  // new row
    for (const Picture& pic : pictures)
        if (pic.name.contains("tachak") || pic.name.contains("bublina") || pic.name.contains("klavesnice"))
            place(pic, 2);
    x = sheet.width();
    for (const QString& name : toolIconNames())
        for (const Picture& pic : pictures)
            if (pic.name == "system/" + name + ".bmp") place(pic, 4);
    x = sheet.width();
    for (const Picture& pic : pictures)
        if (pic.name.contains("podklad800")) place(pic, 1);
    x = sheet.width();
    place({"working (preview)", workingPreview(pictures)}, 1);
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    // Runs during the build, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        fatal("usage: genpictures <sources> <runtime folder> [--report <file>] | <sources> --contact-sheet <file.png>"
              " | <sources> --icon <frame> <size> <file.png>");
    Sources sources = loadSources(args[0]);
    if (args[1] == "--icon") {
        if (args.size() < 5) fatal("--icon needs a frame number, a size and a file name");
        bool frameOk = false, sizeOk = false;
        const int number = args[2].toInt(&frameOk), size = args[3].toInt(&sizeOk);
        if (!sizeOk || size < 16 || size > 1024) fatal("icon size '" + args[3] + "' is not 16 to 1024");
        const MascotFrame* frame = nullptr;
        for (const MascotFrame& f : sources.frames)
            if (frameOk && f.number == number) frame = &f;
        if (!frame) fatal("mascot.txt has no frame '" + args[2] + "'");
        if (!drawMascotIcon(sources, *frame, size).save(args[4], "PNG")) fatal("cannot write " + args[4]);
        return 0;
    }
    QVector<DrawnItem> drawn800, drawn1024;
    QVector<Picture> pictures = drawAll(sources, &drawn800, &drawn1024);

    if (args[1] == "--contact-sheet") {
        if (args.size() < 3) fatal("--contact-sheet needs a file name");
        if (!contactSheet(pictures).save(args[2], "PNG")) fatal("cannot write " + args[2]);
        return 0;
    }
    QDir out(args[1]);
    if (!out.mkpath("system")) fatal("cannot create " + out.filePath("system"));
    for (const Picture& pic : pictures) {
        // Written beside and renamed, so a failed run never leaves a
        // truncated picture that the program would then refuse.
        QString path = out.filePath(pic.name), temp = path + ".new";
        if (!pic.image.convertToFormat(QImage::Format_RGB888).save(temp, "BMP"))
            fatal("cannot write " + temp);
        QFile::remove(path);
        if (!QFile::rename(temp, path)) fatal("cannot replace " + path);
    }
    if (args.size() >= 4 && args[2] == "--report") writeReport(args[3], drawn800, drawn1024);
    return 0;
}
