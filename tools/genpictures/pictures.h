// Shared declarations of the picture generator: the readable sources it
// draws from, and one drawing function per delivered picture.
#pragma once

#include <QColor>
#include <QImage>
#include <QMap>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QVector>

#include "mainwindow/geometry.h"  // the sizes the program expects

// Stops the generator with a message; a broken source must fail the build
// loudly rather than deliver a half-drawn picture.
[[noreturn]] void fatal(const QString& message);

struct Palette {
    QMap<QString, QColor> colours;
    QColor operator()(const QString& name) const;
};

struct MenuItem {
    int code = 0;
    QString kind;     // heading, area, exam, exercise, exit
    QString colour;   // palette name
    int left = 0, right = 0, top = 0, bottom = 0;  // click box, exclusive bounds
    QString layout;   // label, math, row, column, icon
    QString caption;
    QString example;
    double insetL = 3, insetT = 3, insetR = 3, insetB = 3;
};

struct KeyDef {
    int row = 1;
    int x0 = 0, x1 = 0;  // click area, both ends included
    QString style, face;
};

struct ArmPose {
    QPointF elbow, hand;  // for the figure's left arm
};

struct MascotFrame {
    int number = 0;
    double lift = 0;
    QPointF head, look;
    QString eyes = "open", brows = "none", mouth = "smile";
    QString armL = "down", armR = "down";
};

struct Sources {
    Palette palette;
    QVector<MenuItem> menu;
    QVector<KeyDef> keys;
    QMap<QString, ArmPose> poses;
    QVector<MascotFrame> frames;
};

Sources loadSources(const QString& dir);

// Fonts from the Debian packages; stops when the family is not installed,
// since a silent fallback would change every picture.
QFont sansFont(double pixelSize, bool bold = false);
QFont serifFont(double pixelSize, bool italic = false);

constexpr int kIconSize = TOOLBAR_PICTURE_SIDE;  // the size the program takes

// Text positions of the bubble's three lines and the font the program uses.
QPoint bubbleLinePos(int line);
QFont bubbleFont();

QImage drawDial(const Palette& palette);
QImage drawBubble(const Sources& sources);
QImage drawKeypad(const Sources& sources);
QImage drawToolIcon(const Palette& palette, const QString& name);
QImage drawMascot(const Sources& sources, const MascotFrame& frame);
// The mascot on a round backdrop as a square desktop icon of `size` pixels,
// drawn at that size (not scaled from the small frame) with soft edges.
QImage drawMascotIcon(const Sources& sources, const MascotFrame& frame, int size);

// What one menu item covers on a start-screen picture, in its pixels.
struct DrawnItem {
    int code = 0;
    QRect pixels;
};

// The start screen at `scale` (1 for 800 x 600, 1.28 for 1024 x 768).
QImage drawStartScreen(const Sources& sources, double scale, const QImage& dial,
                       QVector<DrawnItem>* drawn);

// Names of the toolbar pictures, without the folder and ".bmp".
const QStringList& toolIconNames();
