// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/prepared_picture.h"

#include <QGuiApplication>
#include <QtTest>

using namespace lx;

namespace {

QImage sample(QImage::Format format) {
    QImage picture(5, 3, format);
    if (format == QImage::Format_Indexed8) {
        picture.setColorTable({qRgba(0, 0, 0, 0), qRgba(200, 10, 30, 255), qRgba(9, 90, 180, 128)});
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y, static_cast<uint>((x + y) % 3));
            }
        }
        return picture;
    }
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixelColor(x, y, QColor(40 * x, 70 * y, 200, 60 + 40 * x));
        }
    }
    return picture;
}

} // namespace

class TestPreparedPicture : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<QImage>("picture");
        // The built-in pictures are palette PNGs with a transparent entry.
        QTest::newRow("palette with transparency") << sample(QImage::Format_Indexed8);
        QTest::newRow("straight alpha") << sample(QImage::Format_ARGB32);
        QTest::newRow("opaque") << sample(QImage::Format_RGB888);
    }
    void roundTrip() {
        QFETCH(QImage, picture);
        const auto back = prepared_picture::decode(prepared_picture::encode(picture));
        QVERIFY(back);
        QCOMPARE(*back, prepared_picture::screenForm(picture));
        // What the screen gets is what the picture decoded by Qt gives.
        QCOMPARE(QPixmap::fromImage(*back).toImage(), QPixmap::fromImage(picture).toImage());
    }

    void damagedDataIsNotRead_data() {
        QTest::addColumn<QByteArray>("data");
        const QByteArray whole = prepared_picture::encode(sample(QImage::Format_ARGB32));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << whole.left(20);
        QTest::newRow("one byte short") << whole.chopped(1);
        QTest::newRow("one byte long") << whole + '\0';
        QByteArray magic = whole;
        magic[3] = '2';
        QTest::newRow("another version") << magic;
        QByteArray huge = whole;
        huge[4] = '\xff';
        huge[5] = '\xff';
        QTest::newRow("absurd width") << huge;
        QByteArray format = whole;
        format[12] = static_cast<char>(QImage::Format_Indexed8);
        QTest::newRow("a format it does not write") << format;
    }
    void damagedDataIsNotRead() {
        QFETCH(QByteArray, data);
        QVERIFY(!prepared_picture::decode(data));
    }

    void missingPictureIsNull() {
        QVERIFY(!prepared_picture::load(QStringLiteral(":/no/such/picture.png")));
        QVERIFY(prepared_picture::builtIn(QStringLiteral(":/no/such/picture.png")).isNull());
    }
};

QTEST_MAIN(TestPreparedPicture)
#include "test_prepared_picture.moc"
