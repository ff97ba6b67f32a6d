#include "tools/genpictures/pictures.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

void fatal(const QString& message) {
    std::fprintf(stderr, "genpictures: %s\n", message.toUtf8().constData());
    std::exit(1);
}

QColor Palette::operator()(const QString& name) const {
    auto it = colours.find(name);
    if (it == colours.end()) fatal("colour '" + name + "' is not in palette.txt");
    return *it;
}

namespace {

// Lines of a source file without comments and blank lines, each with its
// line number for messages.
QVector<QPair<int, QString>> contentLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) fatal("cannot read " + path);
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QVector<QPair<int, QString>> lines;
    int number = 0;
    while (!in.atEnd()) {
        QString line = in.readLine();
        ++number;
        QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) continue;
        lines.push_back({number, trimmed});
    }
    return lines;
}

QString where(const QString& path, int line) {
    return path + ":" + QString::number(line) + ": ";
}

int toInt(const QString& text, const QString& at) {
    bool ok = false;
    int value = text.toInt(&ok);
    if (!ok) fatal(at + "'" + text + "' is not a whole number");
    return value;
}

double toDouble(const QString& text, const QString& at) {
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok) fatal(at + "'" + text + "' is not a number");
    return value;
}

QStringList words(const QString& text) {
    return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

void loadPalette(const QString& path, Palette& palette) {
    for (const auto& [n, line] : contentLines(path)) {
        QStringList w = words(line);
        if (w.size() != 2 || !QColor::isValidColorName(w[1]))
            fatal(where(path, n) + "expected 'name #RRGGBB'");
        palette.colours[w[0]] = QColor::fromString(w[1]);
    }
}

void loadMenu(const QString& path, QVector<MenuItem>& menu) {
    for (const auto& [n, line] : contentLines(path)) {
        QString at = where(path, n);
        QStringList f = line.split('|');
        if (f.size() < 7) fatal(at + "expected at least 7 fields separated by '|'");
        for (QString& field : f) field = field.trimmed();
        MenuItem item;
        item.code = toInt(f[0], at);
        item.kind = f[1];
        item.colour = f[2];
        QStringList box = words(f[3]);
        if (box.size() != 4) fatal(at + "expected 'left right top bottom'");
        item.left = toInt(box[0], at);
        item.right = toInt(box[1], at);
        item.top = toInt(box[2], at);
        item.bottom = toInt(box[3], at);
        if (item.right - item.left < 12 || item.bottom - item.top < 12)
            fatal(at + "box too small to draw in");
        item.layout = f[4];
        item.caption = f[5];
        item.example = f[6];
        if (f.size() > 7 && !f[7].isEmpty()) {
            QStringList in = words(f[7]);
            if (in.size() != 4) fatal(at + "expected insets 'l t r b'");
            item.insetL = toDouble(in[0], at);
            item.insetT = toDouble(in[1], at);
            item.insetR = toDouble(in[2], at);
            item.insetB = toDouble(in[3], at);
        }
        static const QStringList layouts{"label", "math", "row", "column", "icon"};
        if (!layouts.contains(item.layout)) fatal(at + "unknown layout " + item.layout);
        if (item.layout != "label" && item.layout != "icon" && item.example.isEmpty())
            fatal(at + "layout " + item.layout + " needs an example");
        menu.push_back(item);
    }
}

void loadKeypad(const QString& path, QVector<KeyDef>& keys) {
    for (const auto& [n, line] : contentLines(path)) {
        QString at = where(path, n);
        QStringList w = words(line);
        if (w.size() != 5) fatal(at + "expected 'row x0 x1 style face'");
        KeyDef key;
        key.row = toInt(w[0], at);
        key.x0 = toInt(w[1], at);
        key.x1 = toInt(w[2], at);
        key.style = w[3];
        key.face = w[4];
        if (key.row < 1 || key.row > 2 || key.x0 < 0 || key.x1 >= KEYPAD_WIDTH ||
            key.x1 - key.x0 < 8)
            fatal(at + "key area outside the keypad or too narrow");
        keys.push_back(key);
    }
}

void loadMascot(const QString& path, Sources& sources) {
    MascotFrame* current = nullptr;
    for (const auto& [n, line] : contentLines(path)) {
        QString at = where(path, n);
        QStringList w = words(line);
        if (w[0] == "pose") {
            if (w.size() != 6) fatal(at + "expected 'pose name ex ey hx hy'");
            sources.poses[w[1]] = {QPointF(toDouble(w[2], at), toDouble(w[3], at)),
                                   QPointF(toDouble(w[4], at), toDouble(w[5], at))};
            continue;
        }
        if (w[0] != "frame" || w.size() < 2) fatal(at + "expected 'pose' or 'frame'");
        MascotFrame frame;
        frame.number = toInt(w[1], at);
        if (frame.number != sources.frames.size())
            fatal(at + "frames must be numbered 0, 1, 2 ... in order");
        sources.frames.push_back(frame);
        current = &sources.frames.back();
        for (int i = 2; i < w.size(); ++i) {
            const QString& key = w[i];
            auto need = [&](int count) {
                if (i + count >= w.size()) fatal(at + key + " needs " + QString::number(count) + " value(s)");
            };
            if (key == "lift") { need(1); current->lift = toDouble(w[++i], at); }
            else if (key == "head") { need(2); current->head = QPointF(toDouble(w[i + 1], at), toDouble(w[i + 2], at)); i += 2; }
            else if (key == "look") { need(2); current->look = QPointF(toDouble(w[i + 1], at), toDouble(w[i + 2], at)); i += 2; }
            else if (key == "eyes") { need(1); current->eyes = w[++i]; }
            else if (key == "brows") { need(1); current->brows = w[++i]; }
            else if (key == "mouth") { need(1); current->mouth = w[++i]; }
            else if (key == "armL") { need(1); current->armL = w[++i]; }
            else if (key == "armR") { need(1); current->armR = w[++i]; }
            else fatal(at + "unknown setting " + key);
        }
        for (const QString& pose : {current->armL, current->armR})
            if (!sources.poses.contains(pose)) fatal(at + "unknown arm pose " + pose);
    }
    if (sources.frames.size() != MASCOT_PICTURES)
        fatal(path + QString(": the mascot needs exactly %1 frames").arg(MASCOT_PICTURES));
}

}  // namespace

Sources loadSources(const QString& dir) {
    Sources sources;
    loadPalette(dir + "/palette.txt", sources.palette);
    loadMenu(dir + "/menu.txt", sources.menu);
    loadKeypad(dir + "/keypad.txt", sources.keys);
    loadMascot(dir + "/mascot.txt", sources);
    return sources;
}

namespace {
QFont checkedFont(const QString& family, double pixelSize) {
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    if (QFontInfo(font).family() != family)
        fatal("font '" + family + "' is not installed (Debian package fonts-liberation2)");
    return font;
}
}  // namespace

QFont sansFont(double pixelSize, bool bold) {
    QFont font = checkedFont("Liberation Sans", pixelSize);
    font.setBold(bold);
    return font;
}

QFont serifFont(double pixelSize, bool italic) {
    QFont font = checkedFont("Liberation Serif", pixelSize);
    font.setItalic(italic);
    return font;
}

QFont bubbleFont() {
    // The program writes "Arial" at 10 points; on a 96 dpi surface that is
    // what Liberation Sans (metric-compatible) shows.
    QFont font("Liberation Sans");
    font.setPointSize(10);
    return font;
}

QPoint bubbleLinePos(int line) {
    static const QPoint pos[3] = {{31, 17}, {19, 33}, {35, 49}};
    return pos[qBound(1, line, 3) - 1];
}
