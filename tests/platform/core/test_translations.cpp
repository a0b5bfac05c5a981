// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/translations.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

// Which catalogues a locale loads: none at all for English, whose texts the program already has.
class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cataloguesByLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << false;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << false;
        QTest::newRow("C") << QLocale::c() << false;
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << true;
    }
    void cataloguesByLocale() {
        QFETCH(QLocale, locale);
        QFETCH(bool, loaded);
        QCoreApplication* application = QCoreApplication::instance();
        qDeleteAll(application->findChildren<QTranslator*>());
        QCOMPARE(lx::installTranslations(*application, locale), loaded);
        QCOMPARE(!application->findChildren<QTranslator*>().isEmpty(), loaded);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
