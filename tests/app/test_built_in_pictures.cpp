// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/prepared_picture.h"

#include <QDirIterator>
#include <QtTest>

using namespace lx;

// The calculator reads its pictures as decoded at build time; each must be its PNG, pixel for
// pixel, as the screen gets it.
class TestBuiltInPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(app); // the form's pictures, from the program's static library
    }
    void preparedCopyIsThePicture_data() {
        QTest::addColumn<QString>("picture");
        QDirIterator pictures(QStringLiteral(":/images"), {QStringLiteral("*.png")});
        while (pictures.hasNext()) {
            const QString path = pictures.next();
            QTest::newRow(qPrintable(path)) << path;
        }
    }
    void preparedCopyIsThePicture() {
        QFETCH(QString, picture);
        const auto prepared = prepared_picture::load(picture);
        QVERIFY2(prepared, "no prepared copy: the build step did not run for this picture");
        QPixmap decoded;
        QVERIFY(decoded.load(picture));
        QCOMPARE(QPixmap::fromImage(*prepared).toImage(), decoded.toImage());
        QCOMPARE(prepared_picture::builtIn(picture).toImage(), decoded.toImage());
    }
};

QTEST_MAIN(TestBuiltInPictures)
#include "test_built_in_pictures.moc"
