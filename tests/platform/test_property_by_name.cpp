// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/runtime_error.h"
#include "platform/property_by_name.h"
#include "sample_control.h"

#include <QTest>

using lx::ErrorNumber;
using lx::RuntimeError;
using lx::test::SampleControl;

class TestPropertyByName : public QObject {
    Q_OBJECT

    static ErrorNumber errorOf(const std::function<void()>& access) {
        try {
            access();
        } catch (const RuntimeError& error) {
            return error.number();
        }
        return ErrorNumber{};
    }

private slots:
    void readsAndWritesDeclaredProperties() {
        SampleControl control;
        QCOMPARE(lx::readProperty(control, "Count").toInt(), 3);
        lx::writeProperty(control, "Count", QStringLiteral("12"));
        QCOMPARE(control.Count, 12);
    }

    void absentNameIsAnErrorNotADynamicProperty() {
        SampleControl control;
        QCOMPARE(errorOf([&] { lx::readProperty(control, "Cption"); }),
                 ErrorNumber::InvalidArgument);
        QCOMPARE(errorOf([&] { lx::writeProperty(control, "Cption", 1); }),
                 ErrorNumber::InvalidArgument);
        QVERIFY(control.dynamicPropertyNames().isEmpty());
    }

    void unconvertibleValueIsATypeMismatch() {
        SampleControl control;
        QCOMPARE(errorOf([&] { lx::writeProperty(control, "Count", QStringLiteral("many")); }),
                 ErrorNumber::TypeMismatch);
        QCOMPARE(control.Count, 3);
    }
};

QTEST_MAIN(TestPropertyByName)
#include "test_property_by_name.moc"
