// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"

#include <QFile>
#include <QRegularExpression>
#include <QStack>
#include <QTransform>
#include <QXmlStreamReader>

namespace lx::test {

lx::plots::PlotStyle probeStyle(const QString& locale) {
    lx::plots::PlotStyle style;
    style.locale = QLocale(locale);
    style.font.setPixelSize(13);
    style.first = QColor(255, 0, 0);
    style.second = QColor(0, 0, 255);
    style.difference = QColor(0, 160, 0);
    style.band = QColor(255, 230, 0);
    style.guide = QColor(128, 128, 128);
    style.pooled = QColor(255, 0, 255);
    style.prediction = QColor(0, 200, 200);
    style.significance = {QColor(230, 230, 230), QColor(200, 200, 200), QColor(170, 170, 170)};
    style.antialiased = false;
    return style;
}

std::optional<Extent> columnsInRow(const QImage& image, int y, const QColor& colour) {
    std::optional<Extent> extent;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).rgb() == colour.rgb()) {
            extent = extent ? Extent{extent->first, x} : Extent{x, x};
        }
    }
    return extent;
}

std::optional<Extent> rowsInColumn(const QImage& image, int x, const QColor& colour) {
    std::optional<Extent> extent;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y).rgb() == colour.rgb()) {
            extent = extent ? Extent{extent->first, y} : Extent{y, y};
        }
    }
    return extent;
}

std::optional<int> widestRow(const QImage& image, int x, const Extent& rows, const QColor& colour) {
    const auto is = [&](int column, int y) {
        return image.pixelColor(column, y).rgb() == colour.rgb();
    };
    int bestWidth = 0;
    int firstBest = 0;
    int lastBest = 0;
    for (int y = rows.first; y <= rows.last; ++y) {
        if (!is(x, y)) {
            continue;
        }
        int left = x;
        int right = x;
        while (left > 0 && is(left - 1, y)) {
            --left;
        }
        while (right + 1 < image.width() && is(right + 1, y)) {
            ++right;
        }
        const int width = right - left + 1;
        if (width > bestWidth) {
            bestWidth = width;
            firstBest = lastBest = y;
        } else if (width == bestWidth) {
            lastBest = y;
        }
    }
    // Rows of equal width about a disc's centre: their middle.
    return bestWidth > 0 ? std::optional<int>((firstBest + lastBest) / 2) : std::nullopt;
}

bool bordersAre(const QImage& image, const QColor& colour) {
    const auto is = [&](int x, int y) { return image.pixelColor(x, y).rgb() == colour.rgb(); };
    for (int x = 0; x < image.width(); ++x) {
        if (!is(x, 0) || !is(x, image.height() - 1)) {
            return false;
        }
    }
    for (int y = 0; y < image.height(); ++y) {
        if (!is(0, y) || !is(image.width() - 1, y)) {
            return false;
        }
    }
    return true;
}

namespace {

// The transform attribute of a group: matrix(a,b,c,d,e,f), as the SVG generator writes it.
QTransform transformOf(const QString& attribute) {
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const auto match = matrix.match(attribute);
    if (!match.hasMatch()) {
        return {};
    }
    const QStringList parts =
        match.captured(1).split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts);
    if (parts.size() != 6) {
        return {};
    }
    return QTransform(parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble(),
                      parts[3].toDouble(), parts[4].toDouble(), parts[5].toDouble());
}

} // namespace

SvgContent readSvg(const QString& path) {
    SvgContent content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return content;
    }
    QXmlStreamReader xml(&file);
    QStack<QTransform> transforms;
    transforms.push(QTransform());
    QStack<QString> fills; // inherited from the enclosing groups
    fills.push(QString());
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto attributes = xml.attributes();
            QTransform here = transforms.top();
            if (attributes.hasAttribute(QLatin1String("transform"))) {
                here = transformOf(attributes.value(QLatin1String("transform")).toString()) * here;
            }
            transforms.push(here);
            fills.push(attributes.hasAttribute(QLatin1String("fill"))
                           ? attributes.value(QLatin1String("fill")).toString()
                           : fills.top());
            const auto name = xml.name();
            const auto number = [&](const char* key) {
                return attributes.value(QLatin1String(key)).toDouble();
            };
            if (name == u"svg") {
                const QStringList box = attributes.value(QLatin1String("viewBox"))
                                            .toString()
                                            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (box.size() == 4) {
                    content.viewBox = QRectF(box[0].toDouble(), box[1].toDouble(),
                                             box[2].toDouble(), box[3].toDouble());
                }
            } else if (name == u"rect") {
                content.rects.append({here.mapRect(QRectF(number("x"), number("y"), number("width"),
                                                          number("height"))),
                                      fills.top()});
            } else if (name == u"ellipse" || name == u"circle") {
                content.circleCentres.append(here.map(QPointF(number("cx"), number("cy"))));
            } else if (name == u"path") {
                static const QRegularExpression corner(
                    QStringLiteral("[ML]\\s*(-?[\\d.e+-]+)[ ,]+(-?[\\d.e+-]+)"));
                SvgPath path{{}, fills.top()};
                const QString d = attributes.value(QLatin1String("d")).toString();
                for (auto match = corner.globalMatch(d); match.hasNext();) {
                    const auto at = match.next();
                    path.points.append(
                        here.map(QPointF(at.captured(1).toDouble(), at.captured(2).toDouble())));
                }
                content.paths.append(path);
            } else if (name == u"text") {
                const QPointF at = here.map(QPointF(number("x"), number("y")));
                content.texts.append(
                    {xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed(), at});
                transforms.pop(); // readElementText consumed the end element
                fills.pop();
            }
        } else if (xml.isEndElement()) {
            transforms.pop();
            fills.pop();
        }
    }
    content.wellFormed = !xml.hasError();
    return content;
}

} // namespace lx::test
