// Checks the delivered pictures as the program will use them: sizes, the
// menu drawings against the click boxes, the bubble's transparent outside
// and text places, the keypad's key areas, and the mascot's key colour.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QLineF>
#include <QMap>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "editor/keypad.h"        // the key areas
#include "mainwindow/geometry.h"  // the sizes the program expects
#include "mainwindow/menuboxes.h"  // the click boxes, from the same menu.txt

namespace {

QImage load(const QString& name) {
    return QImage(QString(PICTURES_DIR) + "/" + name).convertToFormat(QImage::Format_RGB32);
}

QString mascotName(int frame) { return QString("velmir%1.bmp").arg(frame, 2, 10, QChar('0')); }

TEST(Pictures, EveryFileIsABitmapOfItsSize) {
    QVector<QPair<QString, QSize>> expected{
        {"podklad800.bmp", {800, 600}}, {"podklad.bmp", {1024, 768}}, {"tachak.bmp", {DIAL_WIDTH, DIAL_HEIGHT}},
        {"bublina.bmp", {BUBBLE_WIDTH, BUBBLE_HEIGHT}}, {"klavesnice.bmp", {KEYPAD_WIDTH, KEYPAD_HEIGHT}}};
    for (QString icon : {"zlomek", "mocnina2", "mocnina3", "mocnina4", "hodnoceni", "napoveda", "ucitel", "konec"})
        expected.push_back({icon + ".bmp", {25, 25}});
    for (int i = 0; i < MASCOT_PICTURES; ++i) expected.push_back({mascotName(i), {MASCOT_WIDTH, MASCOT_HEIGHT}});
    for (const auto& [name, size] : expected) {
        EXPECT_EQ(QImageReader(QString(PICTURES_DIR) + "/" + name).format(), "bmp") << name.toStdString();
        QImage image = load(name);
        EXPECT_EQ(image.size(), size) << name.toStdString();
        // Not an empty canvas: a picture shows something.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 3) << name.toStdString();
    }
}

TEST(StartScreen, AtBothSizesMenuDrawingsKeepToTheirBoxesAndTheEquationBandStaysLight) {
    // width -> code -> pixels covered, from the generator's report.
    QMap<int, QMap<int, QRect>> report;
    QFile file(MENU_REPORT);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    in.readLine();  // the heading
    int width, code, left, top, right, bottom;
    while ((in >> width >> code >> left >> top >> right >> bottom).status() == QTextStream::Ok)
        report[width][code] = QRect(QPoint(left, top), QPoint(right, bottom));

    for (int width : {800, 1024}) {
        const QImage screen = load(width == 800 ? "podklad800.bmp" : "podklad.bmp");
        const double to800 = 800.0 / width;
        // Around the title the band the program writes the equation into is white.
        for (int x : {110, 150, 250, 660})
            for (int y : {12, 35, 55}) {
                QColor c = screen.pixel(std::lround(x / to800), std::lround(y / to800));
                EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 235) << width << " at " << x << "," << y;
            }
        const QMap<int, QRect> items = report.value(width);
        for (const MenuBox& box : MENU_BOXES) {
            const std::string at = std::to_string(width) + " code " + std::to_string(box.code);
            ASSERT_TRUE(items.contains(box.code)) << at;
            const QRect r = items[box.code];
            ASSERT_FALSE(r.isEmpty()) << at << " draws nothing";
            // The outermost covered pixels, mapped as the program maps a click.
            const QRect mapped(QPoint(std::lround(r.left() * to800), std::lround(r.top() * to800)),
                               QPoint(std::lround(r.right() * to800), std::lround(r.bottom() * to800)));
            const QRect inside(QPoint(box.left + 1, box.top + 1), QPoint(box.right - 1, box.bottom - 1));
            EXPECT_TRUE(inside.contains(mapped)) << at;
            // It fills a fair part of its box, so it reads as the target.
            EXPECT_GT(r.width() * r.height() * to800 * to800, 0.3 * (box.right - box.left) * (box.bottom - box.top))
                << at;
            // The report describes the picture: a card's edge differs from the grid paper.
            QSet<QRgb> colours;
            for (int x = r.left(); x <= r.right(); ++x) colours.insert(screen.pixel(x, r.center().y()));
            EXPECT_GT(colours.size(), 5) << at;
            // The boxes of two items overlap (32 and 33); their drawings must not.
            for (auto other = items.begin(); other != items.end(); ++other)
                EXPECT_TRUE(other.key() == box.code || !other.value().intersects(r)) << at << " and " << other.key();
        }
    }
}

TEST(Bubble, OutsideIsPureWhiteAndTheTailPointsToTheMascotOnItsLeft) {
    const QImage bubble = load("bublina.bmp");
    const QRgb kWhite = qRgb(255, 255, 255);
    int white = 0, leftmost = bubble.width(), tailRow = -1;
    for (int y = 0; y < bubble.height(); ++y) {
        for (int x = 0; x < bubble.width(); ++x) {
            QColor c = bubble.pixel(x, y);
            if (c.rgb() == kWhite) { ++white; continue; }
            if (x < leftmost) { leftmost = x; tailRow = y; }
            // A nearly white pixel would show as a halo around the outline.
            EXPECT_LT(std::min({c.red(), c.green(), c.blue()}), 225) << x << "," << y;
        }
    }
    // All four corners are outside, and the shape leaves some outside.
    const QRect all = bubble.rect();
    for (QPoint p : {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()})
        EXPECT_EQ(bubble.pixel(p), kWhite);
    EXPECT_GT(white, 300);
    EXPECT_LT(white, BUBBLE_WIDTH * BUBBLE_HEIGHT / 3);
    EXPECT_LE(leftmost, 4);
    EXPECT_GT(tailRow, 20);
    EXPECT_LT(tailRow, 70);
}

TEST(Bubble, EveryTextSitsOnPlainSilver) {
    QImage bubble = load("bublina.bmp");
    QFont font("Liberation Sans");
    font.setPointSize(10);
    QFontMetrics fm(font);
    const QPoint pos[3] = {{31, 17}, {19, 33}, {35, 49}};
    // The program's texts ("line | text"), and any line of 20 ordinary characters.
    const QString ordinary = "O" + QString(19, 'o');
    QVector<QPair<int, QString>> texts{{1, ordinary}, {2, ordinary}, {3, ordinary}};
    QFile file(BUBBLE_TEXTS);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        if (!line.startsWith('#') && line.contains('|'))
            texts.push_back({line.section('|', 0, 0).toInt(), line.section('|', 1).trimmed()});
    ASSERT_GT(texts.size(), 20);
    for (const auto& [line, text] : texts) {
        ASSERT_TRUE(line >= 1 && line <= 3) << text.toStdString();
        QImage silver(fm.horizontalAdvance(text), fm.height(), QImage::Format_RGB32);
        silver.fill(qRgb(192, 192, 192));
        EXPECT_EQ(bubble.copy(QRect(pos[line - 1], silver.size())), silver) << line << " " << text.toStdString();
    }
}

// The key areas are the editor's key map (its tests hold it to the keypad's
// source); here the drawn picture keeps to them.
TEST(Keypad, EveryKeyHasAFaceWithinItsAreaAndOffTheRowBoundary) {
    QImage pad = load("klavesnice.bmp");
    const QRgb panel = pad.pixel(0, 0);
    for (int row = 0; row < 2; ++row) {
        const int y0 = row * 39, y1 = 38 + row * 38;
        auto keyAt = [&](int x) { return keypadKeyAt(x, y0); };
        const KeypadKey gap{KeypadKey::Character, ' '};
        // Columns of this row where a key face shows; none touches the row boundary (38 | 39).
        QVector<bool> face(pad.width(), false);
        for (int x = 0; x < pad.width(); ++x) {
            EXPECT_EQ(pad.pixel(x, 38 + row), panel) << "row " << row + 1 << " at " << x;
            for (int y = y0; y <= y1; ++y) face[x] = face[x] || pad.pixel(x, y) != panel;
            // A face never shows in a gap, nor runs over into the next key.
            if (face[x]) { EXPECT_FALSE(keyAt(x) == gap) << "row " << row + 1 << " at " << x; }
            if (face[x] && x > 0 && face[x - 1]) {
                EXPECT_TRUE(keyAt(x) == keyAt(x - 1)) << "row " << row + 1 << " at " << x;
            }
        }
        // Each key shows a face over more than half its area.
        for (int x = 0; x < pad.width();) {
            const int start = x;
            int faces = 0;
            for (; x < pad.width() && keyAt(x) == keyAt(start); ++x) faces += face[x];
            if (!(keyAt(start) == gap)) {
                EXPECT_GT(faces, (x - start) / 2) << "row " << row + 1 << " key at " << start;
            }
        }
    }
}

// The smallest area of background pixels that the outside cannot reach: a
// hole in the figure.
int smallestEnclosedGap(const QImage& img, QRgb key) {
    std::vector<bool> seen(img.width() * img.height(), false);
    bool enclosed = true;
    std::function<int(QPoint)> fill = [&](QPoint p) {
        if (!img.valid(p) || seen[p.y() * img.width() + p.x()] || img.pixel(p) != key) return 0;
        seen[p.y() * img.width() + p.x()] = true;
        enclosed = enclosed && p.x() > 0 && p.y() > 0 && p.x() < img.width() - 1 && p.y() < img.height() - 1;
        return 1 + fill(p + QPoint(-1, 0)) + fill(p + QPoint(1, 0)) + fill(p + QPoint(0, -1)) + fill(p + QPoint(0, 1));
    };
    int smallest = img.width() * img.height();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            enclosed = true;
            const int size = fill(QPoint(x, y));
            if (size > 0 && enclosed) smallest = std::min(smallest, size);
        }
    return smallest;
}

TEST(Mascot, KeyColourIsTheBackgroundAndNeverInsideTheFigure) {
    const QRgb key = load(mascotName(0)).pixel(1, 1);
    for (int i = 0; i < MASCOT_PICTURES; ++i) {
        QImage frame = load(mascotName(i));
        ASSERT_EQ(frame.pixel(1, 1), key) << "frame " << i;
        int figure = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                QRgb c = frame.pixel(x, y);
                if (c == key) continue;
                ++figure;
                // No blend towards the key colour: it would show as a halo.
                EXPECT_GT(std::abs(qRed(c) - qRed(key)) + std::abs(qGreen(c) - qGreen(key)) +
                              std::abs(qBlue(c) - qBlue(key)), 120) << "frame " << i << " at " << x << "," << y;
            }
        }
        EXPECT_GT(figure, MASCOT_WIDTH * MASCOT_HEIGHT / 3) << "frame " << i;
        // A gap the size of a pixel or two would be a hole, not a shape.
        EXPECT_GE(smallestEnclosedGap(frame, key), 6) << "frame " << i;
    }
}

TEST(Mascot, FramesOfOneAnimationChangeOnlyWhatMoves) {
    // Two frames of one animation, where they may differ, and how many rows
    // the change spans at least.
    const struct { int a, b; QRect within; int rows; const char* what; } moves[] = {
        {0, 1, QRect(QPoint(0, 12), QPoint(46, 36)), 1, "blinking touches the eyes only"},
        {2, 3, QRect(QPoint(30, 0), QPoint(46, 69)), 1, "waving moves the raised arm on the right"},
        {7, 8, QRect(0, 0, 47, 46), 1, "nodding leaves the feet and belly"},
        {9, 10, QRect(0, 0, 47, 46), 1, "shaking the head leaves the lower body"},
        {4, 5, QRect(0, 0, 47, 70), 60, "jumping lifts the whole figure"}};
    for (const auto& move : moves) {
        QImage fa = load(mascotName(move.a)), fb = load(mascotName(move.b));
        QRect changed;
        for (int y = 0; y < fa.height(); ++y)
            for (int x = 0; x < fa.width(); ++x)
                if (fa.pixel(x, y) != fb.pixel(x, y)) changed |= QRect(x, y, 1, 1);
        EXPECT_FALSE(changed.isEmpty()) << move.what;
        EXPECT_TRUE(move.within.contains(changed)) << move.what;
        EXPECT_GE(changed.height(), move.rows) << move.what;
    }
}

TEST(Dial, NeedlePointsIntoTheColourOfItsGrade) {
    QImage dial = load("tachak.bmp");
    const QPointF pivot(38, 72);
    // Average colour of the scale band beyond a needle end, leaving out the
    // digit and the white seams.
    auto colourBeyond = [&](QPointF end) {
        int r = 0, g = 0, b = 0, n = 0;
        for (double radius = 49; radius <= 59.5; radius += 0.5) {
            QColor c = dial.pixel((pivot + (end - pivot) * (radius / QLineF(pivot, end).length())).toPoint());
            if (c.value() < 120 || std::min({c.red(), c.green(), c.blue()}) > 225) continue;
            r += c.red(); g += c.green(); b += c.blue(); ++n;
        }
        return n ? QColor(r / n, g / n, b / n) : QColor(Qt::black);
    };
    // Needle ends of grade 1 (rest), the middle of grade 3, and grade 5.
    QColor g1 = colourBeyond({11, 32}), g3 = colourBeyond({46, 32}), g5 = colourBeyond({67, 32});
    EXPECT_GT(g1.green(), g1.red() + 40);
    EXPECT_GT(g3.red(), 180);
    EXPECT_GT(g3.green(), 150);
    EXPECT_GT(g5.red(), g5.green() + 80);
    // The needle itself runs over the face, not over the scale.
    for (QPointF end : {QPointF(11, 32), QPointF(25, 29), QPointF(39, 32), QPointF(53, 32), QPointF(67, 32)}) {
        QColor c = dial.pixel((end + (pivot - end) * 0.3).toPoint());
        EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 150) << end.x();
    }
}

}  // namespace
