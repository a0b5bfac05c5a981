// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the calculator's window icon, button pictures and mouse pointer and
// saves them as 16-colour PNG files into the folder given on the command line.
// The pictures are committed; run this only to change them.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cstdio>
#include <functional>

namespace {

// The classic 16-colour palette; index 0 doubles as the transparent colour.
const QList<QRgb> sixteenColours = {
    qRgba(0, 0, 0, 0),   qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),
    qRgb(128, 128, 0),   qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128),
    qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),
    qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(255, 255, 255),
};

const QColor black(0, 0, 0);
const QColor darkRed(128, 0, 0);
const QColor green(0, 128, 0);
const QColor grey(128, 128, 128);
const QColor silver(192, 192, 192);
const QColor white(255, 255, 255);
const QColor brown(128, 128, 0);
const QColor blue(0, 0, 128);

bool save(const QString& folder, const QString& name, int size,
          const std::function<void(QPainter&)>& draw) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        draw(painter);
    }
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, sixteenColours,
                                                 Qt::ThresholdDither | Qt::AvoidDither);
    const QString path = QDir(folder).filePath(name);
    if (!indexed.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A 3 x 4 table with a header row; marked cells get a small dash.
void table(QPainter& p, const QList<QPoint>& markedCells) {
    p.fillRect(1, 2, 14, 12, white);
    p.fillRect(1, 2, 14, 3, blue);
    p.setPen(black);
    p.drawRect(1, 2, 14, 12);
    for (int x = 5; x <= 11; x += 4) {
        p.drawLine(x, 5, x, 13);
    }
    for (int y = 5; y <= 11; y += 3) {
        p.drawLine(2, y, 14, y);
    }
    p.setPen(darkRed);
    for (const QPoint& cell : markedCells) {
        const int left = 2 + cell.x() * 4;
        const int top = 6 + cell.y() * 3;
        p.drawLine(left + 1, top + 1, left + 2, top + 1);
    }
}

void cross(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(3, 3, 13, 13);
    p.drawLine(13, 3, 3, 13);
}

void checkBox(QPainter& p, bool ticked) {
    p.fillRect(2, 2, 12, 12, white);
    p.setPen(grey);
    p.drawLine(2, 2, 13, 2);
    p.drawLine(2, 2, 2, 13);
    p.setPen(black);
    p.drawRect(2, 2, 11, 11);
    if (ticked) {
        p.setPen(QPen(green, 2, Qt::SolidLine, Qt::SquareCap));
        p.drawPolyline(QPolygon({QPoint(5, 7), QPoint(7, 10), QPoint(11, 5)}));
    }
}

void doorFrame(QPainter& p) {
    p.fillRect(6, 1, 9, 14, black);
    p.fillRect(7, 2, 7, 13, silver);
}

void closedDoor(QPainter& p) {
    doorFrame(p);
    p.fillRect(7, 2, 7, 13, brown);
    p.setPen(black);
    p.drawPoint(8, 8);
    // the arrow points out of the door, to the left
    p.setPen(QPen(darkRed, 1));
    p.drawLine(1, 8, 5, 8);
    p.drawLine(1, 8, 3, 6);
    p.drawLine(1, 8, 3, 10);
}

void openDoor(QPainter& p) {
    doorFrame(p);
    // the leaf swung towards the viewer, seen edge-on
    p.setBrush(brown);
    p.setPen(black);
    p.drawPolygon(QPolygon({QPoint(7, 2), QPoint(3, 0), QPoint(3, 15), QPoint(7, 14)}));
    p.drawPoint(5, 8);
}

// A sheet of ruled lines; the lines take the given colour.
void sheet(QPainter& p, const QRect& where, const QColor& lines) {
    p.fillRect(where, white);
    p.setPen(black);
    p.drawRect(where);
    p.setPen(lines);
    for (int y = where.top() + 3; y < where.bottom() - 1; y += 2) {
        p.drawLine(where.left() + 2, y, where.right() - 2, y);
    }
}

// The Details switch: a page of figures, greyed while hidden, in ink and
// with a marked row when shown.
void details(QPainter& p, bool shown) {
    sheet(p, QRect(2, 1, 11, 13), shown ? blue : grey);
    if (shown) {
        p.setPen(darkRed);
        p.drawLine(4, 8, 11, 8);
    }
}

// The Planning switch: three rising bars, the sample growing towards the power it needs; grey
// while hidden, in colour with the goal marked when shown.
void planning(QPainter& p, bool shown) {
    const QColor bars = shown ? blue : grey;
    p.fillRect(2, 10, 3, 4, bars);
    p.fillRect(6, 7, 3, 7, bars);
    p.fillRect(10, 3, 3, 11, bars);
    p.setPen(black);
    p.drawLine(1, 14, 14, 14);
    if (shown) {
        p.setPen(darkRed);
        p.drawLine(1, 2, 14, 2);
    }
}

// The Plot switch: two means with their intervals beside an axis; grey while hidden, in the
// groups' colours when shown.
void plot(QPainter& p, bool shown) {
    p.setPen(black);
    p.drawLine(1, 1, 1, 14);
    p.drawLine(1, 14, 14, 14);
    const QColor first = shown ? blue : grey;
    const QColor second = shown ? darkRed : grey;
    p.setPen(first);
    p.drawLine(5, 3, 5, 10);
    p.fillRect(4, 5, 3, 3, first);
    p.setPen(second);
    p.drawLine(11, 6, 11, 12);
    p.fillRect(10, 8, 3, 3, second);
}

// A floppy disk, for saving a picture to a file.
void disk(QPainter& p) {
    p.fillRect(2, 2, 12, 12, blue);
    p.fillRect(4, 2, 8, 5, white);
    p.fillRect(9, 3, 2, 3, blue);
    p.fillRect(5, 10, 6, 4, silver);
}

// Two sheets, one copied from the other.
void copy(QPainter& p) {
    sheet(p, QRect(1, 1, 8, 10), grey);
    sheet(p, QRect(6, 5, 8, 10), blue);
}

// A pointing hand whose fingertip sits at the centre, where the cursor's hot
// spot falls by default.
void pointer(QPainter& p) {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(15, 16, 4, 11, 2, 2); // index finger
    hand.addRoundedRect(18, 21, 4, 7, 2, 2);  // middle finger
    hand.addRoundedRect(21, 22, 4, 6, 2, 2);  // ring finger
    hand.addRoundedRect(24, 23, 3, 5, 1, 1);  // little finger
    hand.addRoundedRect(15, 25, 12, 6, 2, 2); // palm
    hand.addRoundedRect(11, 24, 6, 3, 1, 1);  // thumb
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(white);
    p.setPen(black);
    p.drawPath(hand.simplified());
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QList<QPoint> someCells = {{0, 0}, {1, 1}, {2, 2}};
    const QList<QPoint> otherCells = {{1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}};
    bool ok = true;
    ok &= save(out, "table.png", 16, [&](QPainter& p) { table(p, someCells); });
    ok &= save(out, "table_marked.png", 16, [&](QPainter& p) { table(p, otherCells); });
    ok &= save(out, "cross_black.png", 16, [](QPainter& p) { cross(p, black); });
    ok &= save(out, "cross_red.png", 16, [](QPainter& p) { cross(p, darkRed); });
    ok &= save(out, "check_empty.png", 16, [](QPainter& p) { checkBox(p, false); });
    ok &= save(out, "check_ticked.png", 16, [](QPainter& p) { checkBox(p, true); });
    ok &= save(out, "door_closed.png", 16, closedDoor);
    ok &= save(out, "door_open.png", 16, openDoor);
    ok &= save(out, "pointer.png", 32, pointer);
    ok &= save(out, "details.png", 16, [](QPainter& p) { details(p, false); });
    ok &= save(out, "details_shown.png", 16, [](QPainter& p) { details(p, true); });
    ok &= save(out, "copy.png", 16, copy);
    ok &= save(out, "planning.png", 16, [](QPainter& p) { planning(p, false); });
    ok &= save(out, "planning_shown.png", 16, [](QPainter& p) { planning(p, true); });
    ok &= save(out, "plot.png", 16, [](QPainter& p) { plot(p, false); });
    ok &= save(out, "plot_shown.png", 16, [](QPainter& p) { plot(p, true); });
    ok &= save(out, "save.png", 16, disk);
    return ok ? 0 : 1;
}
