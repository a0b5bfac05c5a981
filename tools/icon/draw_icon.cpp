// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon for the desktop: the window icon's ruled table with marked cells,
// as a vector design on a 16-unit grid, written as PNG files in the hicolor sizes and as SVG.
// The files are committed; run this only to change the icon.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdio>

namespace {

const QString iconName = QStringLiteral("org.lxtervan.LxTervan");

// The table on the 16-unit grid: a header band, three columns, three rows, and the marks of
// the window icon in every cell but the diagonal. Lines keep a pixel's width at 32 pixels and
// grow in proportion above, so the large sizes look drawn, not blown up.
void drawTable(QPainter& p, double size) {
    const double unit = size / 16;
    const double line = std::max(1.0, size / 32) / unit; // in grid units
    p.save();
    p.scale(unit, unit);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(1, 1.5, 14, 13);
    const double header = 3;
    const double column = sheet.width() / 3;
    const double row = (sheet.height() - header) / 3;
    p.fillRect(sheet, QColor(255, 255, 255));
    p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), header), QColor(0, 0, 128));
    p.setPen(QPen(QColor(0, 0, 0), line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k < 3; ++k) {
        const double x = sheet.left() + k * column;
        p.drawLine(QPointF(x, sheet.top() + header), QPointF(x, sheet.bottom()));
        const double y = sheet.top() + header + k * row;
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    p.drawLine(QPointF(sheet.left(), sheet.top() + header),
               QPointF(sheet.right(), sheet.top() + header));
    p.drawRect(sheet.adjusted(line / 2, line / 2, -line / 2, -line / 2));
    p.setPen(QPen(QColor(128, 0, 0), 2 * line, Qt::SolidLine, Qt::RoundCap));
    const QList<QPoint> marked = {{1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}};
    for (const QPoint& cell : marked) {
        const double left = sheet.left() + cell.x() * column;
        const double middle = sheet.top() + header + (cell.y() + 0.5) * row;
        p.drawLine(QPointF(left + column * 0.3, middle), QPointF(left + column * 0.7, middle));
    }
    p.restore();
}

// At 16 pixels the window icon itself is the sharpest drawing there is.
bool savePng(const QString& root, int size, const QString& windowIcon) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (size == 16) {
        image = QImage(windowIcon).convertToFormat(QImage::Format_ARGB32);
    } else {
        QPainter painter(&image);
        drawTable(painter, size);
    }
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    QDir().mkpath(folder);
    return image.save(QStringLiteral("%1/%2.png").arg(folder, iconName));
}

bool saveSvg(const QString& root) {
    const QString folder = root + QStringLiteral("/scalable/apps");
    QDir().mkpath(folder);
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(folder, iconName));
    svg.setSize(QSize(128, 128));
    svg.setViewBox(QRect(0, 0, 128, 128));
    svg.setTitle(QStringLiteral("LxTervan"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    drawTable(painter, 128);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <window icon> <hicolor folder>\n", argv[0]);
        return 2;
    }
    const QString windowIcon = QString::fromLocal8Bit(argv[1]);
    const QString root = QString::fromLocal8Bit(argv[2]);
    bool ok = saveSvg(root);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        ok &= savePng(root, size, windowIcon);
    }
    return ok ? 0 : 1;
}
