// Checks the delivered pictures as the program will use them: sizes, the
// menu drawings against the click boxes, the bubble's transparent outside
// and text places, the keypad's key areas, and the mascot's key colour.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QTextStream>
#include <cmath>
#include <queue>

namespace {

QImage load(const QString& name) {
    QImage image(QString(PICTURES_DIR) + "/" + name);
    return image.convertToFormat(QImage::Format_RGB32);
}

QString mascotName(int frame) { return QString("velmir%1.bmp").arg(frame, 2, 10, QChar('0')); }

TEST(Pictures, EveryFileIsABitmapOfItsSize) {
    struct Expect { QString name; int w, h; };
    QVector<Expect> expected{
        {"podklad800.bmp", 800, 600}, {"podklad.bmp", 1024, 768}, {"tachak.bmp", 78, 77},
        {"bublina.bmp", 189, 83},     {"klavesnice.bmp", 441, 77}};
    for (QString icon : {"zlomek", "mocnina2", "mocnina3", "mocnina4", "hodnoceni", "napoveda",
                         "ucitel", "konec"})
        expected.push_back({icon + ".bmp", 25, 25});
    for (int i = 0; i <= 16; ++i) expected.push_back({mascotName(i), 47, 70});
    for (const Expect& e : expected) {
        QFile file(QString(PICTURES_DIR) + "/" + e.name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << e.name.toStdString();
        EXPECT_EQ(file.read(2), QByteArray("BM")) << e.name.toStdString();
        QImage image = load(e.name);
        EXPECT_EQ(image.size(), QSize(e.w, e.h)) << e.name.toStdString();
        // Not an empty canvas: a picture shows something.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 3) << e.name.toStdString();
    }
}

// The click boxes of the start screen in 800 x 600 coordinates (exclusive
// bounds), as the menu reads them.
struct Box { int code, left, right, top, bottom; };
const QVector<Box> kMenuBoxes{
    {10, 36, 187, 124, 161},  {11, 206, 295, 117, 160}, {12, 328, 434, 117, 152},
    {13, 459, 537, 115, 175}, {14, 606, 709, 120, 169}, {20, 36, 145, 199, 231},
    {21, 168, 274, 194, 228}, {22, 300, 487, 191, 226}, {23, 518, 755, 190, 230},
    {30, 40, 275, 272, 304},  {31, 289, 459, 242, 280}, {32, 305, 505, 289, 321},
    {33, 503, 774, 249, 298}, {40, 40, 214, 343, 385},  {41, 225, 319, 340, 402},
    {42, 344, 527, 351, 409}, {43, 548, 769, 339, 408}, {80, 643, 756, 538, 572},
    {50, 30, 294, 423, 490},  {51, 304, 433, 431, 487}, {52, 481, 731, 434, 520},
    {61, 45, 435, 523, 555},  {71, 470, 596, 541, 571}};

// width -> code -> covered pixels, from the generator's report.
QMap<int, QMap<int, QRect>> readReport() {
    QMap<int, QMap<int, QRect>> report;
    QFile file(MENU_REPORT);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return report;
    QTextStream in(&file);
    while (!in.atEnd()) {
        QString line = in.readLine();
        if (line.startsWith('#') || line.trimmed().isEmpty()) continue;
        QStringList f = line.split(' ');
        if (f.size() != 6) continue;
        report[f[0].toInt()][f[1].toInt()] =
            QRect(QPoint(f[2].toInt(), f[3].toInt()), QPoint(f[4].toInt(), f[5].toInt()));
    }
    return report;
}

TEST(StartScreen, EachMenuDrawingLiesInsideItsClickBox) {
    auto report = readReport();
    for (int width : {800, 1024}) {
        ASSERT_TRUE(report.contains(width)) << "no report for " << width;
        const double to800 = 800.0 / width;
        for (const Box& box : kMenuBoxes) {
            ASSERT_TRUE(report[width].contains(box.code)) << width << " code " << box.code;
            QRect r = report[width][box.code];
            ASSERT_FALSE(r.isEmpty()) << width << " code " << box.code << " draws nothing";
            // Map the outermost covered pixels as the program maps a click.
            EXPECT_GT(std::lround(r.left() * to800), box.left) << width << " code " << box.code;
            EXPECT_LT(std::lround(r.right() * to800), box.right) << width << " code " << box.code;
            EXPECT_GT(std::lround(r.top() * to800), box.top) << width << " code " << box.code;
            EXPECT_LT(std::lround(r.bottom() * to800), box.bottom) << width << " code " << box.code;
            // And it fills a fair part of its box, so it reads as the target.
            double boxArea = double(box.right - box.left) * (box.bottom - box.top);
            double drawnArea = r.width() * r.height() * to800 * to800;
            EXPECT_GT(drawnArea, 0.3 * boxArea) << width << " code " << box.code;
        }
    }
}

TEST(StartScreen, MenuDrawingsNeverTouchEachOther) {
    // The boxes of two items overlap (32 and 33); their drawings must not.
    auto report = readReport();
    for (int width : {800, 1024}) {
        const auto& items = report[width];
        for (auto a = items.begin(); a != items.end(); ++a)
            for (auto b = std::next(a); b != items.end(); ++b)
                EXPECT_FALSE(a.value().intersects(b.value()))
                    << width << ": items " << a.key() << " and " << b.key() << " collide";
    }
}

TEST(StartScreen, TheReportDescribesThePicture) {
    // Where an item is said to be drawn the picture is not plain paper:
    // a card's edge differs from the grid paper around it.
    QImage screen = load("podklad800.bmp");
    auto report = readReport();
    for (const Box& box : kMenuBoxes) {
        QRect r = report[800][box.code];
        QSet<QRgb> colours;
        for (int x = r.left(); x <= r.right(); ++x) colours.insert(screen.pixel(x, r.center().y()));
        EXPECT_GT(colours.size(), 5) << "code " << box.code;
    }
}

TEST(StartScreen, EquationBandStaysLight) {
    // Around the title the band the program writes the equation into is
    // white, at both sizes (only the title may sit there).
    for (auto [name, scale] : {qMakePair(QString("podklad800.bmp"), 1.0), qMakePair(QString("podklad.bmp"), 1.28)}) {
        QImage screen = load(name);
        for (int x : {110, 150, 250, 660}) {
            for (int y : {12, 35, 55}) {
                QColor c = screen.pixel(std::lround(x * scale), std::lround(y * scale));
                EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 235)
                    << name.toStdString() << " at " << x << "," << y;
            }
        }
    }
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kSilver = qRgb(192, 192, 192);

TEST(Bubble, OutsideIsPureWhiteWithNoPaleFringe) {
    QImage bubble = load("bublina.bmp");
    int white = 0;
    for (int y = 0; y < bubble.height(); ++y) {
        for (int x = 0; x < bubble.width(); ++x) {
            QColor c = bubble.pixel(x, y);
            if (c.rgb() == kWhite) { ++white; continue; }
            // A nearly white pixel would show as a halo around the outline.
            EXPECT_LT(std::min({c.red(), c.green(), c.blue()}), 225) << x << "," << y;
        }
    }
    // All four corners are outside, and the shape leaves some outside.
    for (QPoint p : {QPoint(0, 0), QPoint(188, 0), QPoint(0, 82), QPoint(188, 82)})
        EXPECT_EQ(bubble.pixel(p), kWhite);
    EXPECT_GT(white, 300);
    EXPECT_LT(white, 189 * 83 / 3);
}

TEST(Bubble, LongestTextsSitOnPlainSilver) {
    QImage bubble = load("bublina.bmp");
    QFont font("Liberation Sans");
    font.setPointSize(10);
    QFontMetrics fm(font);
    const QPoint pos[3] = {{31, 17}, {19, 33}, {35, 49}};
    const QVector<QPair<int, QString>> texts{
        {1, "Rovnice je vyřešená."}, {1, "Chyba v počítání."}, {1, "Ve výpočtu zkoušky"},
        {1, "Pro další příklad"},    {2, "Zřejmě ve zlomku."},  {2, "klikni nebo ťukni."},
        {2, "Teď dělej zkoušku."},   {2, "Chyba v mocnění."},   {3, "rovná se."},
        // Any line of up to 20 ordinary characters should fit as well.
        {1, "Oooooooooooooooooooo"},  {2, "Oooooooooooooooooooo"}, {3, "Oooooooooooooooooooo"}};
    for (const auto& [line, text] : texts) {
        QRect cell(pos[line - 1], QSize(fm.horizontalAdvance(text), fm.height()));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ASSERT_EQ(bubble.pixel(x, y), kSilver)
                    << "line " << line << " '" << text.toStdString() << "' leaves the silver at " << x << "," << y;
    }
}

TEST(Bubble, PointsTowardsTheMascotOnItsLeft) {
    QImage bubble = load("bublina.bmp");
    int leftmost = bubble.width(), row = -1;
    for (int y = 0; y < bubble.height(); ++y)
        for (int x = 0; x < bubble.width(); ++x)
            if (bubble.pixel(x, y) != kWhite && x < leftmost) { leftmost = x; row = y; }
    EXPECT_LE(leftmost, 4);
    EXPECT_GT(row, 20);
    EXPECT_LT(row, 70);
}

// Key areas of the keypad: x ranges (both ends included) per row.
struct KeyArea { int x0, x1; };
const QVector<KeyArea> kUpperKeys{{0, 37},    {38, 75},   {76, 113},  {114, 147},
                                  {148, 184}, {185, 222}, {223, 258}, {259, 296},
                                  {297, 332}, {333, 369}, {370, 406}, {407, 436}};
const QVector<KeyArea> kLowerKeys{{0, 37},    {38, 75},   {76, 113},  {114, 147},
                                  {148, 184}, {185, 222}, {223, 258}, {259, 296},
                                  {297, 332}, {336, 386}, {388, 440}};

TEST(Keypad, EveryFaceLiesWithinOneKeyArea) {
    QImage pad = load("klavesnice.bmp");
    const QRgb panel = pad.pixel(0, 0);
    for (int row = 0; row < 2; ++row) {
        const auto& keys = row == 0 ? kUpperKeys : kLowerKeys;
        int top = row == 0 ? 0 : 39, bottom = row == 0 ? 38 : 76;
        // Columns of this row where a key face shows.
        QVector<bool> face(pad.width(), false);
        for (int x = 0; x < pad.width(); ++x)
            for (int y = top; y <= bottom; ++y)
                if (pad.pixel(x, y) != panel) face[x] = true;
        // Every run of face columns falls inside exactly one key area.
        for (int x = 0; x < pad.width();) {
            if (!face[x]) { ++x; continue; }
            int start = x;
            while (x < pad.width() && face[x]) ++x;
            int end = x - 1;
            bool inside = false;
            for (const KeyArea& k : keys) inside |= (start >= k.x0 && end <= k.x1);
            EXPECT_TRUE(inside) << "row " << row + 1 << ": face columns " << start << ".." << end;
        }
        // And every key has a face.
        for (const KeyArea& k : keys) {
            int count = 0;
            for (int x = k.x0; x <= k.x1; ++x) count += face[x];
            EXPECT_GT(count, (k.x1 - k.x0) / 2) << "row " << row + 1 << " key at " << k.x0;
        }
        // The face keeps off the row boundary too.
        for (int x = 0; x < pad.width(); ++x) {
            EXPECT_EQ(pad.pixel(x, 38), panel) << x;
            EXPECT_EQ(pad.pixel(x, 39), panel) << x;
        }
    }
}

// Background pixels that the outside cannot reach are holes in the figure.
int smallestEnclosedGap(const QImage& img, QRgb key) {
    const int w = img.width(), h = img.height();
    QVector<int> label(w * h, 0);
    int smallest = w * h, next = 0;
    for (int start = 0; start < w * h; ++start) {
        if (label[start] || img.pixel(start % w, start / w) != key) continue;
        ++next;
        int size = 0;
        bool touchesBorder = false;
        std::queue<int> todo;
        todo.push(start);
        label[start] = next;
        while (!todo.empty()) {
            int p = todo.front();
            todo.pop();
            ++size;
            int x = p % w, y = p / w;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) touchesBorder = true;
            const int nx[4] = {x - 1, x + 1, x, x}, ny[4] = {y, y, y - 1, y + 1};
            for (int i = 0; i < 4; ++i) {
                if (nx[i] < 0 || ny[i] < 0 || nx[i] >= w || ny[i] >= h) continue;
                int q = ny[i] * w + nx[i];
                if (!label[q] && img.pixel(nx[i], ny[i]) == key) { label[q] = next; todo.push(q); }
            }
        }
        if (!touchesBorder) smallest = std::min(smallest, size);
    }
    return smallest;
}

TEST(Mascot, KeyColourIsTheBackgroundAndNeverInsideTheFigure) {
    const QRgb key = load(mascotName(0)).pixel(1, 1);
    for (int i = 0; i <= 16; ++i) {
        QImage frame = load(mascotName(i));
        ASSERT_EQ(frame.pixel(1, 1), key) << "frame " << i;
        int figure = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                QRgb c = frame.pixel(x, y);
                if (c == key) continue;
                ++figure;
                // No blend towards the key colour: it would show as a halo.
                int d = std::abs(qRed(c) - qRed(key)) + std::abs(qGreen(c) - qGreen(key)) +
                        std::abs(qBlue(c) - qBlue(key));
                EXPECT_GT(d, 120) << "frame " << i << " at " << x << "," << y;
            }
        }
        EXPECT_GT(figure, 47 * 70 / 3) << "frame " << i;
        // A gap the size of a pixel or two would be a hole, not a shape.
        EXPECT_GE(smallestEnclosedGap(frame, key), 6) << "frame " << i;
    }
}

// Rows (or columns) where two frames differ.
QRect difference(int a, int b) {
    QImage fa = load(mascotName(a)), fb = load(mascotName(b));
    QRect r;
    for (int y = 0; y < fa.height(); ++y)
        for (int x = 0; x < fa.width(); ++x)
            if (fa.pixel(x, y) != fb.pixel(x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

TEST(Mascot, FramesOfOneAnimationChangeOnlyWhatMoves) {
    // Blinking touches the eyes only.
    QRect blink = difference(0, 1);
    EXPECT_FALSE(blink.isEmpty());
    EXPECT_GE(blink.top(), 12);
    EXPECT_LE(blink.bottom(), 36);
    // Waving moves the raised arm on the right, not the rest of the body.
    QRect wave = difference(2, 3);
    EXPECT_FALSE(wave.isEmpty());
    EXPECT_GE(wave.left(), 30);
    // Nodding moves the head; the feet and belly stay.
    QRect nod = difference(7, 8);
    EXPECT_FALSE(nod.isEmpty());
    EXPECT_LE(nod.bottom(), 45);
    // Shaking the head leaves the lower body where it was.
    EXPECT_LE(difference(9, 10).bottom(), 45);
    // Jumping lifts the whole figure.
    QRect jump = difference(4, 5);
    EXPECT_GE(jump.height(), 60);
}

TEST(Dial, NeedlePointsIntoTheColourOfItsGrade) {
    QImage dial = load("tachak.bmp");
    const QPointF pivot(38, 72);
    // Needle ends of grade 1 (rest), the middle of grade 3, and grade 5.
    // Average colour of the scale band beyond a needle end, leaving out the
    // digit and the white seams.
    auto colourBeyond = [&](QPointF end) {
        QPointF d = end - pivot;
        double len = std::hypot(d.x(), d.y());
        int r = 0, g = 0, b = 0, n = 0;
        for (double radius = 49; radius <= 59.5; radius += 0.5) {
            QPointF p = pivot + d * (radius / len);
            QColor c = dial.pixel(std::lround(p.x()), std::lround(p.y()));
            if (c.value() < 120 || std::min({c.red(), c.green(), c.blue()}) > 225) continue;
            r += c.red(); g += c.green(); b += c.blue(); ++n;
        }
        return n ? QColor(r / n, g / n, b / n) : QColor(Qt::black);
    };
    QColor g1 = colourBeyond({11, 32}), g3 = colourBeyond({46, 32}), g5 = colourBeyond({67, 32});
    EXPECT_GT(g1.green(), g1.red() + 40);
    EXPECT_GT(g3.red(), 180);
    EXPECT_GT(g3.green(), 150);
    EXPECT_GT(g5.red(), g5.green() + 80);
    // The needle itself runs over the face, not over the scale.
    for (QPointF end : {QPointF(11, 32), QPointF(25, 29), QPointF(39, 32), QPointF(53, 32), QPointF(67, 32)}) {
        QColor c = dial.pixel(std::lround(end.x() + (pivot.x() - end.x()) * 0.3),
                              std::lround(end.y() + (pivot.y() - end.y()) * 0.3));
        EXPECT_GE(std::min({c.red(), c.green(), c.blue()}), 150) << end.x();
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Font metrics need an application; test discovery runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
