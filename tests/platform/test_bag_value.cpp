// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bag_value.h"
#include "platform/core/runtime_error.h"

#include <QTest>

namespace bv = lx::bag_value;
using lx::ErrorNumber;
using lx::RuntimeError;

namespace {

// The error number fn raises, or 0 when it raises none.
template <typename Fn> int errorOf(Fn&& fn) {
    try {
        fn();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    return 0;
}

} // namespace

class TestBagValue : public QObject {
    Q_OBJECT
private slots:
    void colour_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<uint>("expected");
        QTest::newRow("system colour as unsigned") << QVariant(0x80000010u) << 0x80000010u;
        QTest::newRow("system colour as signed Long") << QVariant(-2147483632) << 0x80000010u;
        QTest::newRow("direct colour") << QVariant(0x00FF8000) << 0x00FF8000u;
        QTest::newRow("largest unsigned") << QVariant(0xFFFFFFFFu) << 0xFFFFFFFFu;
        QTest::newRow("whole real") << QVariant(255.0) << 255u;
    }
    void colour() {
        QFETCH(QVariant, value);
        QFETCH(uint, expected);
        QCOMPARE(bv::toColor(value), expected);
    }

    void integer_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("highest") << QVariant(32767) << 32767;
        QTest::newRow("half to even down") << QVariant(2.5) << 2;
        QTest::newRow("half to even up") << QVariant(3.5) << 4;
        QTest::newRow("number text") << QVariant(QStringLiteral(" 7 ")) << 7;
        QTest::newRow("True is -1") << QVariant(true) << -1;
    }
    void integer() {
        QFETCH(QVariant, value);
        QFETCH(int, expected);
        QCOMPARE(int{bv::toInteger(value)}, expected);
    }

    void rejected_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("error");
        const int overflow = static_cast<int>(ErrorNumber::Overflow);
        const int mismatch = static_cast<int>(ErrorNumber::TypeMismatch);
        QTest::newRow("integer above 16 bits") << "integer" << QVariant(32768) << overflow;
        QTest::newRow("integer below 16 bits") << "integer" << QVariant(-32769) << overflow;
        QTest::newRow("integer from words")
            << "integer" << QVariant(QStringLiteral("two")) << mismatch;
        QTest::newRow("integer from a font") << "integer" << QVariant(QFont()) << mismatch;
        QTest::newRow("integer from infinity")
            << "integer" << QVariant(std::numeric_limits<double>::infinity()) << overflow;
        QTest::newRow("long above 32 bits") << "long" << QVariant(qint64(1) << 31) << overflow;
        QTest::newRow("long from huge real") << "long" << QVariant(1e300) << overflow;
        QTest::newRow("colour above 32 bits") << "colour" << QVariant(qint64(1) << 32) << overflow;
        QTest::newRow("colour below signed 32 bits")
            << "colour" << QVariant(-(qint64(1) << 31) - 1) << overflow;
        QTest::newRow("boolean from words")
            << "boolean" << QVariant(QStringLiteral("maybe")) << mismatch;
        QTest::newRow("text from a font") << "text" << QVariant(QFont()) << mismatch;
        QTest::newRow("font from text") << "font" << QVariant(QStringLiteral("Arial")) << mismatch;
        QTest::newRow("font from nothing") << "font" << QVariant() << mismatch;
    }
    void rejected() {
        QFETCH(QString, target);
        QFETCH(QVariant, value);
        QFETCH(int, error);
        const int raised = errorOf([&] {
            if (target == u"integer") {
                bv::toInteger(value);
            } else if (target == u"long") {
                bv::toLong(value);
            } else if (target == u"colour") {
                bv::toColor(value);
            } else if (target == u"boolean") {
                bv::toBool(value);
            } else if (target == u"text") {
                bv::toText(value);
            } else {
                bv::toFont(value);
            }
        });
        QCOMPARE(raised, error);
    }

    void boolean_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("expected");
        QTest::newRow("true") << QVariant(true) << true;
        QTest::newRow("True text") << QVariant(QStringLiteral("True")) << true;
        QTest::newRow("false text any case") << QVariant(QStringLiteral(" FALSE ")) << false;
        QTest::newRow("fraction") << QVariant(0.25) << true;
    }
    void boolean() {
        QFETCH(QVariant, value);
        QFETCH(bool, expected);
        QCOMPARE(bv::toBool(value), expected);
    }

    void text_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text") << QVariant(QStringLiteral("Menu")) << "Menu";
        QTest::newRow("whole number") << QVariant(42) << "42";
        QTest::newRow("real") << QVariant(2.5) << "2.5";
        QTest::newRow("Boolean") << QVariant(true) << "True";
    }
    void text() {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        QCOMPARE(bv::toText(value), expected);
    }
};

QTEST_MAIN(TestBagValue)
#include "test_bag_value.moc"
