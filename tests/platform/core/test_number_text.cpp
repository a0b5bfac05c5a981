// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"

#include <QTest>

using lx::ErrorNumber;
using lx::RuntimeError;
namespace nt = lx::number_text;

Q_DECLARE_METATYPE(lx::ErrorNumber)

namespace {
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

QLocale localeNamed(const QString& name) {
    return name == u"de" ? german : english;
}
} // namespace

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void toLong_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "en"
                               << "10" << 10;
        QTest::newRow("blanks around") << "en"
                                       << "  7 " << 7;
        QTest::newRow("half rounds to even down") << "en"
                                                  << "2.5" << 2;
        QTest::newRow("half rounds to even up") << "en"
                                                << "3.5" << 4;
        QTest::newRow("negative half") << "en"
                                       << "-2.5" << -2;
        QTest::newRow("above half") << "en"
                                    << "2.51" << 3;
        QTest::newRow("group separator") << "en"
                                         << "1,000" << 1000;
        QTest::newRow("german comma is decimal") << "de"
                                                 << "2,5" << 2;
        QTest::newRow("german dot groups") << "de"
                                           << "1.000" << 1000;
        QTest::newRow("largest") << "en"
                                 << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "en"
                                  << "-2147483648" << int(-2147483647 - 1);
        QTest::newRow("exponent") << "en"
                                  << "1e3" << 1000;
    }
    void toLong() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(nt::toLong(text, localeNamed(locale)), expected);
    }

    void badText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ErrorNumber>("error");
        QTest::addColumn<bool>("integer");
        QTest::newRow("letters") << "abc" << ErrorNumber::TypeMismatch << false;
        QTest::newRow("blank only") << "   " << ErrorNumber::TypeMismatch << false;
        QTest::newRow("inf") << "inf" << ErrorNumber::TypeMismatch << false;
        QTest::newRow("nan") << "NaN" << ErrorNumber::TypeMismatch << false;
        QTest::newRow("trailing letters") << "12abc" << ErrorNumber::TypeMismatch << false;
        QTest::newRow("beyond double") << "1e400" << ErrorNumber::Overflow << false;
        QTest::newRow("integer too big") << "2147483648" << ErrorNumber::Overflow << true;
        QTest::newRow("integer rounds too big") << "2147483647.5" << ErrorNumber::Overflow << true;
        QTest::newRow("integer too small") << "-2147483649" << ErrorNumber::Overflow << true;
        QTest::newRow("integer letters") << "x1" << ErrorNumber::TypeMismatch << true;
    }
    void badText() {
        QFETCH(QString, text);
        QFETCH(ErrorNumber, error);
        QFETCH(bool, integer);
        try {
            if (integer) {
                nt::toLong(text, english);
            } else {
                nt::toDouble(text, english);
            }
            QFAIL("no error raised");
        } catch (const RuntimeError& raised) {
            QCOMPARE(raised.number(), error);
        }
    }

    void toDouble_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("en decimal point") << "en"
                                          << " 2.5 " << 2.5;
        QTest::newRow("de decimal comma") << "de"
                                          << "2,5" << 2.5;
        QTest::newRow("negative") << "en"
                                  << "-0.125" << -0.125;
        QTest::newRow("exponent") << "en"
                                  << "1.5E+16" << 1.5e16;
    }
    void toDouble() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(nt::toDouble(text, localeNamed(locale)), expected);
    }

    void fromDouble_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fifteen digits") << "en" << 2.23606797749979 << "2.23606797749979";
        QTest::newRow("sqrt 5 rounded to 15") << "en" << std::sqrt(5.0) << "2.23606797749979";
        QTest::newRow("whole number") << "en" << 18.0 << "18";
        QTest::newRow("zero") << "en" << 0.0 << "0";
        QTest::newRow("negative zero") << "en" << -0.0 << "0";
        QTest::newRow("german comma") << "de" << 2.5 << "2,5";
        QTest::newRow("no grouping") << "de" << 1234567.5 << "1234567,5";
        QTest::newRow("largest plain") << "en" << 999999999999999.0 << "999999999999999";
        QTest::newRow("exponent above") << "en" << 1.5e16 << "1.5E+16";
        QTest::newRow("exponent at 1e15") << "en" << 1e15 << "1E+15";
        QTest::newRow("smallest plain") << "en" << 0.0001 << "0.0001";
        QTest::newRow("exponent below") << "en" << 0.00001 << "1E-05";
    }
    void fromDouble() {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(nt::fromDouble(value, localeNamed(locale)), expected);
    }

    // Fewer digits where the text must be short, never a misleading cut: an exponent stays.
    void fromDoubleFitting_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fits in full") << "en" << 2.23606797749979 << 16 << "2.23606797749979";
        QTest::newRow("plain, rounded") << "en" << 2.23606797749979 << 8 << "2.236068";
        QTest::newRow("tiny keeps its exponent")
            << "en" << -2.23606797741514e-05 << 10 << "-2.236E-05";
        QTest::newRow("huge keeps its exponent")
            << "en" << 3.16227766016838e300 << 10 << "3.162E+300";
        QTest::newRow("long whole number gains an exponent")
            << "en" << 123456789012345.0 << 10 << "1.2346E+14";
        QTest::newRow("decimal comma") << "de" << -2.23606797741514e-05 << 10 << "-2,236E-05";
        QTest::newRow("nothing fits") << "en" << 2.5 << 0 << "";
    }
    void fromDoubleFitting() {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, characters);
        const auto fits = [&](const QString& text) { return text.size() <= characters; };
        QTEST(nt::fromDoubleFitting(value, fits, localeNamed(locale)), "expected");
    }

    void fromSingle_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0.05") << 0.05f << "0.05";
        QTest::newRow("0.001") << 0.001f << "0.001";
        QTest::newRow("half twip") << 1267.5f << "1267.5";
        QTest::newRow("seven digits") << 1234567.0f << "1234567";
        QTest::newRow("beyond seven digits") << 12345678.0f << "1.234568E+07";
    }
    void fromSingle() {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(nt::fromSingle(value, english), expected);
    }

    void fromLong_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("negative") << -5 << "-5";
        QTest::newRow("no grouping") << 1000000 << "1000000";
    }
    void fromLong() {
        QFETCH(int, value);
        QFETCH(QString, expected);
        QCOMPARE(nt::fromLong(value, german), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_number_text.moc"
