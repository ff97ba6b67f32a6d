#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "editor/ui/linepainter.h"
#include "tests/editor/testline.h"

namespace {

const QRgb GREY = qRgb(192, 192, 192);

bool dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; }

int darkIn(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += dark(img, x, y) ? 1 : 0;
    return n;
}

QRect cellRect(const LayoutCell& c) { return QRect(c.x, c.y, c.width, c.height); }

PageLayout pageAt(int32_t left, int32_t top, int32_t width, int mainSize) {
    PageLayout page = testPage();
    page.fontSize[MAIN_LEVEL] = mainSize;
    page.areaLeft = left;
    page.areaTop = top;
    page.areaWidth = width;
    return page;
}

// A grey 800 x 600 picture and an editor on its writing page, with the pages
// and bands the main window uses on that picture.
struct Page {
    QImage img{800, 600, QImage::Format_RGB32};
    PageLayout writingLayout = pageAt(22, 100, 746, 24);
    PageLayout equationLayout = pageAt(105, 15, 588, 28);
    PictureBox equationBand{105, 7, 694, 61};
    PictureBox writingArea{32, 100, 779, 581};
    EditorState ed;
    Page() {
        img.fill(GREY);
        ed.pageLayout = writingLayout;
    }
};

}  // namespace

TEST(LinePainter, PaintsFractionPowerAndTextOnAWhiteBand) {
    Page pg;
    QImage& img = pg.img;
    EditorState& ed = pg.ed;
    ed.writtenLine = wl("[{2}<x+1>]+x^2`=3");
    ed.caretPos = static_cast<uint8_t>(ed.writtenLine.size() + 1);
    LinePainter painter(img);
    const QRect touched = painter.layoutAndDraw(ed);
    const auto cell = [&](int i) -> const LayoutCell& { return ed.lineCells[static_cast<size_t>(i)]; };
    const int base = 100;

    // The bar: one black row from the fraction's start to its end.
    const int barY = base + 26;
    for (int x = cell(1).x; x < cell(10).x; ++x) EXPECT_TRUE(dark(img, x, barY)) << x;
    EXPECT_EQ(std::make_tuple(dark(img, cell(1).x, barY - 1), dark(img, cell(1).x, barY + 1)),
              std::make_tuple(false, false));

    // Numerator, denominator, exponent and the right side are painted, each
    // inside the box its measurement gave.
    for (int i : {3, 6, 7, 8, 12, 14, 17}) EXPECT_GT(darkIn(img, cellRect(cell(i))), 3) << i;
    const QRect band(ed.pageLayout.areaLeft + 1, base + 1, ed.pageLayout.areaWidth - 2, 49);
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (!dark(img, x, y) || y == barY) continue;
            bool inside = false;
            for (int i = 1; i <= 17 && !inside; ++i)
                inside = !cell(i).isMarker && cellRect(cell(i)).adjusted(-3, -2, 3, 2).contains(x, y);
            EXPECT_TRUE(inside) << "stray pixel at " << x << "," << y;
        }
    }

    // The band is white away from the text, and nothing outside it changed.
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ((std::vector<QRgb>{img.pixel(band.left() + 1, band.top() + 1), img.pixel(band.right() - 1, band.bottom()),
                                 img.pixel(band.left() + 1, band.bottom() + 1),
                                 img.pixel(band.left() - 1, band.top() + 5), img.pixel(5, 5)}),
              (std::vector<QRgb>{white, white, GREY, GREY, GREY}));
    EXPECT_EQ(std::make_tuple(touched.contains(band), ed.lineFull), std::make_tuple(true, false));
}

TEST(LinePainter, OverlongLineStaysInsideItsBand) {
    Page pg;
    QImage& img = pg.img;
    EditorState& ed = pg.ed;
    ed.writtenLine = "1=" + std::string(90, 'x');
    LinePainter painter(img);
    const QRect touched = painter.layoutAndDraw(ed);
    const int bandRight = ed.pageLayout.areaLeft + ed.pageLayout.areaWidth - 2;
    EXPECT_EQ(std::make_tuple(ed.lineFull, touched.right() <= bandRight,
                              darkIn(img, QRect(bandRight - 40, 101, 40, 49)) > 3),
              std::make_tuple(true, true, true));
    for (int y = 101; y <= 150; ++y)
        for (int x = bandRight + 1; x < 800; ++x) ASSERT_EQ(img.pixel(x, y), GREY) << x << "," << y;
}

TEST(LinePainter, EquationBandAndRuledPage) {
    Page pg;
    QImage& img = pg.img;
    EditorState& ed = pg.ed;
    LinePainter painter(img);
    painter.clearEquationBand(pg.equationBand);
    ed.pageLayout = pg.equationLayout;
    painter.layoutAndDraw(ed, "2*3.5=x");
    // The equation sits in the white band at the top, its "=" near the middle.
    const LayoutCell& eq = ed.lineCells[6];
    EXPECT_EQ(std::make_tuple(eq.x, darkIn(img, QRect(eq.x, eq.y, eq.width, eq.height)) > 3, img.pixel(106, 8)),
              std::make_tuple(105 + 588 / 2 - 2 * eq.width + 4, true, qRgb(255, 255, 255)));

    const PageLayout& page = pg.writingLayout;
    painter.clearWritingArea(pg.writingArea, page);
    painter.drawRuledLines(page);
    EXPECT_EQ((std::vector<QRgb>{img.pixel(400, 150), img.pixel(400, 550), img.pixel(400, 149),
                                 img.pixel(page.areaLeft + 3, 150), img.pixel(400, 99)}),
              (std::vector<QRgb>{qRgb(0, 255, 255), qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255),
                                 GREY}));
}

TEST(LinePainter, CaretInvertsAndDrawingTwiceRestores) {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(20, 30, qRgb(0, 0, 0));
    const QImage before = img;
    Caret c;
    c.x = 20;
    c.y = 10;
    c.height = 30;
    const auto paint = [&] {
        QPainter p(&img);
        paintCaret(p, c);
    };
    paint();  // not shown: nothing
    EXPECT_EQ(img, before);
    c.shown = true;
    paint();
    QImage inverted = before;
    inverted.invertPixels();
    EXPECT_EQ(std::make_tuple(img.copy(20, 10, 1, 31) == inverted.copy(20, 10, 1, 31),
                              img.copy(21, 0, 79, 100) == before.copy(21, 0, 79, 100), img.pixel(20, 9),
                              img.pixel(20, 41)),
              std::make_tuple(true, true, before.pixel(20, 9), before.pixel(20, 41)));
    paint();
    EXPECT_EQ(img, before);

    // A blink repaints the caret's pixels; a removed caret repaints nothing.
    EditorState ed;
    ed.caret = c;
    ed.caret.active = true;
    ed.caret.shown = false;
    EXPECT_EQ(caretTick(ed.caret), caretRect(ed.caret));
    EXPECT_TRUE(ed.caret.shown);
    const QRect removed = removeCaret(ed.caret);
    EXPECT_EQ(std::make_tuple(removed, caretTick(ed.caret).isNull()), std::make_tuple(caretRect(ed.caret), true));
}
