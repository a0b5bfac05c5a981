// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/number_fields.h"
#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"

#include <QTest>

#include <cstring>

using namespace lx;
using namespace lx::cli;

// The tool reads plain decimals itself; it must accept and produce exactly what the window's
// conversion does, and leave everything else to it.
class TestNumberFields : public QObject {
    Q_OBJECT

private slots:
    void plainNumbersReadAsTheWindowReadsThem_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("plain");
        const QList<QByteArray> plainC = {"0",
                                          "-0",
                                          "12",
                                          "007",
                                          "3.25",
                                          "-0.1",
                                          "0.30000000000000004",
                                          "123456789012345678901234",
                                          "2.2250738585072011e-308",
                                          "9007199254740993",
                                          "0.1000000000000000055511151231257827"};
        for (const QByteArray& text : plainC) {
            QTest::addRow("C %s", text.constData()) << "C" << text << !text.contains('e');
        }
        const QList<QByteArray> otherC = {" 1",  "1 ",    "+1",    ".5",    "5.",
                                          "1e3", "1,000", "inf",   "nan",   "0x10",
                                          "--1", "",      "1.2.3", "1e999", "\xEF\xBC\x91"};
        for (const QByteArray& text : otherC) {
            QTest::addRow("C other '%s'", text.constData()) << "C" << text << false;
        }
        QTest::addRow("de 3,25") << "de_DE" << QByteArray("3,25") << true;
        QTest::addRow("de -0,5") << "de_DE" << QByteArray("-0,5") << true;
        QTest::addRow("de 1.234 grouped") << "de_DE" << QByteArray("1.234") << false;
        QTest::addRow("de 3.25") << "de_DE" << QByteArray("3.25") << false;
    }
    void plainNumbersReadAsTheWindowReadsThem() {
        QFETCH(QString, locale);
        QFETCH(QByteArray, text);
        QFETCH(bool, plain);
        const NumberStyle style{QLocale(locale), true}; // group separators as the window takes them
        const auto fast = plainNumber(text.toStdString(), style.decimalPoint());
        QCOMPARE(fast.has_value(), plain);

        std::optional<double> window;
        try {
            window = number_text::toDouble(QString::fromUtf8(text), QLocale(locale));
        } catch (const RuntimeError&) {
        }
        std::optional<double> tool;
        try {
            tool = style.toDouble(text.toStdString());
        } catch (const RuntimeError&) {
        }
        QCOMPARE(tool.has_value(), window.has_value());
        if (tool) {
            // Bit for bit: -0 and 0 differ here.
            QVERIFY(std::memcmp(&*tool, &*window, sizeof(double)) == 0);
        }
        if (plain) {
            QCOMPARE(style.typedDecimals(text.toStdString()),
                     typedDecimals(QString::fromUtf8(text), QLocale(locale)));
        }
    }

    void shortestTextReadsBackExactly_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::newRow("C third") << "C" << 1.0 / 3;
        QTest::newRow("C small") << "C" << 5e-300;
        QTest::newRow("de tenth") << "de_DE" << -0.1;
        QTest::newRow("de huge") << "de_DE" << 1.7976931348623157e308;
    }
    void shortestTextReadsBackExactly() {
        QFETCH(QString, locale);
        QFETCH(double, value);
        const NumberStyle style{QLocale(locale)};
        std::string text;
        style.appendShortest(value, text);
        QCOMPARE(QLocale(locale).toDouble(QString::fromStdString(text)), value);
    }
};

QTEST_APPLESS_MAIN(TestNumberFields)
#include "test_number_fields.moc"
