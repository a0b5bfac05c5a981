// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/property_page_names.h"
#include "sample_control.h"

#include <QTest>

using lx::test::DerivedSample;
using lx::test::SampleControl;

class TestPropertyPageNames : public QObject {
    Q_OBJECT
private slots:
    void pagesInTabOrder() {
        QCOMPARE(lx::propertyPagesOf(SampleControl::staticMetaObject),
                 QStringList({"StandardColor", "Sample", "StandardFont"}));
        QCOMPARE(lx::propertyPagesOf(QObject::staticMetaObject), QStringList());
    }

    void browsingPage_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("derived");
        QTest::newRow("named") << "Caption"
                               << "Sample"
                               << "Sample";
        QTest::newRow("taken over by the subclass") << "Count"
                                                    << "Sample"
                                                    << "Derived";
        QTest::newRow("not browsed") << "Tally"
                                     << ""
                                     << "";
        QTest::newRow("prefix of a name") << "Cap"
                                          << ""
                                          << "";
    }
    void browsingPage() {
        QFETCH(QString, property);
        QFETCH(QString, sample);
        QFETCH(QString, derived);
        QCOMPARE(lx::browsingPageOf(SampleControl::staticMetaObject, property), sample);
        QCOMPARE(lx::browsingPageOf(DerivedSample::staticMetaObject, property), derived);
    }

    void commonPagesOfASelection() {
        SampleControl sample;
        DerivedSample derived;
        QObject plain;
        QCOMPARE(lx::commonPropertyPages({&sample, &derived}), QStringList({"Sample"}));
        QCOMPARE(lx::commonPropertyPages({&derived, &sample}), QStringList({"Sample"}));
        QCOMPARE(lx::commonPropertyPages({&sample, &plain}), QStringList());
        QCOMPARE(lx::commonPropertyPages({}), QStringList());
    }
};

QTEST_MAIN(TestPropertyPageNames)
#include "test_property_page_names.moc"
