// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sets a text file's lines in two columns on A4 pages, as a journal sets a paper, and writes
// the PDF: make_pdf TEXT PAGES OUT.pdf (the text repeated until the pages are full).
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QFile input(arguments.value(1));
    const int pages = arguments.value(2).toInt();
    if (arguments.size() != 4 || pages < 1 || !input.open(QIODevice::ReadOnly)) {
        std::fputs("usage: make_pdf TEXT PAGES OUT.pdf\n", stderr);
        return 2;
    }
    QStringList lines = QString::fromUtf8(input.readAll()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    QPdfWriter writer(arguments.value(3));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    constexpr int linesPerColumn = 64;
    qsizetype next = 0;
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            writer.newPage();
        }
        for (int column = 0; column < 2; ++column) {
            for (int line = 0; line < linesPerColumn; ++line) {
                painter.drawText(QPointF(36 + column * 270, 40 + line * 11.5),
                                 lines[next++ % lines.size()]);
            }
        }
    }
    return painter.end() ? 0 : 1;
}
