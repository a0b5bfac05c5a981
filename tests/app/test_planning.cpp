// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/planning_view.h"
#include "controls/button/lx_button.h"
#include "form_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QSettings>

using lx::test::FormFixture;
using lx::test::press;

namespace {} // namespace

// The planning view through the real window, driven by keys.
class TestPlanning : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    FormFixture& f() { return *m_fixture; }

    QWidget* area() { return f().control<lx::PlanningView>("PlanningView"); }
    QComboBox* combo(const char* name) { return f().control<QComboBox>(QString::fromLatin1(name)); }
    QString line(const char* name) {
        return f().control<QLabel>(QString::fromLatin1(name))->text();
    }
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void calculate(const QStringList& six) { f().calculate(six); }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        QVERIFY(QTest::qWaitForWindowActive(f().form.get()));
    }
    void cleanup() { m_fixture.reset(); }

    void f7ShowsAndHidesTheView() {
        const QSize designed = f().form->size();
        QVERIFY(!area()); // made when first used, not at start-up
        f().box("txtN1")->setFocus();
        QTRY_VERIFY(f().box("txtN1")->hasFocus());
        press(Qt::Key_F7);
        QVERIFY(area() && area()->isVisible());
        QVERIFY(f().control<lx::LxButton>("cmdPlanning")->Value());
        QCOMPARE(f().form->height(), designed.height() + area()->height());
        QVERIFY(combo("cboAlpha")->hasFocus());
        press(Qt::Key_Tab);
        QVERIFY(combo("cboPower")->hasFocus());
        press(Qt::Key_F7);
        QVERIFY(!area()->isVisible());
        QCOMPARE(f().form->size(), designed);
        QVERIFY(f().box("txtN1")->hasFocus());
    }

    // With the details on as well, the plan goes under them and the window fits both.
    void underTheDetails() {
        press(Qt::Key_F6);
        press(Qt::Key_F7);
        const QWidget* details = f().control<QWidget>("DetailsView");
        QVERIFY(details && details->isVisible());
        QCOMPARE(area()->y(), details->geometry().bottom() + 1);
        QCOMPARE(f().form->height(), area()->geometry().bottom() + 1);
    }

    // F7, Tab to the power, type it, F5 and Ctrl+Shift+C: the plan's sentence on the clipboard.
    void keyboardPlanAndCopy() {
        calculate({"10", "5.5", "1", "10", "5", "1"}); // d = 0.5
        press(Qt::Key_F7);
        press(Qt::Key_Tab);
        type(QStringLiteral("0.90"));
        QCOMPARE(combo("cboPower")->currentText(), QStringLiteral("0.90"));
        press(Qt::Key_F5);
        QVERIFY(combo("cboPower")->hasFocus()); // F5 replans where the user was typing
        QCOMPARE(line("lblSample"), QStringLiteral("86 and 86, 172 in all: actual power 0.903 "
                                                   "for d = 0.50"));
        QGuiApplication::clipboard()->clear();
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("A sample of 86 per group (172 in all) gives 90% power to detect "
                                "d = 0.50 (α = .05, two-tailed); actual power 0.903."));
    }

    void plans_data() {
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QString>("power");
        QTest::addColumn<int>("tails");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QString>("typedD");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("sensitivity");
        const QStringList tenAndTen{"10", "5", "1", "10", "4", "1"};
        // Samples, sensitivity and critical d from R: pwr.t2n.test's power, uniroot on it, and
        // qt(0.975, df) * sqrt(1/n1 + 1/n2).
        QTest::newRow("observed d")
            << tenAndTen << ".05"
            << "0.80" << 0 << "1" << 0 << ""
            << "17 and 17, 34 in all: actual power 0.807 for d = 1.00"
            << "With 10 and 10: 80% power for |d| ≥ 1.32; significant from |d| ≥ 0.94";
        // The 60% interval of d = 1 with 10 and 10 starts at 0.5847 (R, pt with ncp).
        QTest::newRow("safeguard d")
            << tenAndTen << ".05"
            << "0.80" << 0 << "1" << 1 << ""
            << "47 and 47, 94 in all: actual power 0.801 for d = 0.58"
            << "With 10 and 10: 80% power for |d| ≥ 1.32; significant from |d| ≥ 0.94";
        QTest::newRow("typed d, one-tailed, ratio 2")
            << tenAndTen << ".05"
            << "0.80" << 1 << "2" << 2 << "0.5"
            << "38 and 76, 114 in all: actual power 0.804 for d = 0.50"
            << "With 10 and 10: 80% power for |d| ≥ 1.16; significant from |d| ≥ 0.78";
        QTest::newRow("the typed N2/N1")
            << QStringList{"20", "5.5", "1", "40", "5", "1"} << ".05"
            << "0.80" << 0 << "N2/N1" << 0 << ""
            << "48 and 96, 144 in all: actual power 0.802 for d = 0.50"
            << "With 20 and 40: 80% power for |d| ≥ 0.78; significant from |d| ≥ 0.55";
        QTest::newRow("safeguard interval reaching 0")
            << QStringList{"12", "5.3", "1", "12", "5", "1"} << ".05"
            << "0.80" << 0 << "1" << 1 << ""
            << "The safeguard d is not above 0 (the 60% interval of d reaches 0), so no sample "
               "size is planned for it."
            << "With 12 and 12: 80% power for |d| ≥ 1.20; significant from |d| ≥ 0.85";
        QTest::newRow("power 1") << tenAndTen << ".05"
                                 << "1" << 0 << "1" << 0 << ""
                                 << "The target power must be above α and below 1."
                                 << "The target power must be above α and below 1.";
        QTest::newRow("alpha 0") << tenAndTen << "0"
                                 << "0.80" << 0 << "1" << 0 << ""
                                 << "α must lie between 0 and 1."
                                 << "α must lie between 0 and 1.";
        QTest::newRow("typed d of 0")
            << tenAndTen << ".05"
            << "0.80" << 0 << "1" << 2 << "0"
            << "no sample size gives power above α for d = 0"
            << "With 10 and 10: 80% power for |d| ≥ 1.32; significant from |d| ≥ 0.94";
        QTest::newRow("ratio 0") << tenAndTen << ".05"
                                 << "0.80" << 0 << "0" << 0 << ""
                                 << "The ratio n2/n1 must be above 0."
                                 << "With 10 and 10: 80% power for |d| ≥ 1.32; significant "
                                    "from |d| ≥ 0.94";
    }
    void plans() {
        QFETCH(QStringList, summary);
        QFETCH(QString, alpha);
        QFETCH(QString, power);
        QFETCH(int, tails);
        QFETCH(QString, ratio);
        QFETCH(int, effect);
        QFETCH(QString, typedD);
        QFETCH(QString, sample);
        QFETCH(QString, sensitivity);
        calculate(summary);
        press(Qt::Key_F7);
        combo("cboAlpha")->setEditText(alpha);
        combo("cboPower")->setEditText(power);
        combo("cboTails")->setCurrentIndex(tails);
        if (ratio == QLatin1String("N2/N1")) {
            combo("cboRatio")->setCurrentIndex(1);
        } else {
            combo("cboRatio")->setEditText(ratio);
        }
        f().control<QLineEdit>("txtEffect")->setText(typedD);
        combo("cboEffect")->setCurrentIndex(effect);
        QCOMPARE(line("lblSample"), sample);
        QCOMPARE(line("lblSensitivity"), sensitivity);
    }

    // An edit greys the plan like the results, and there is nothing to copy until F5.
    void staleAfterAnEdit() {
        calculate({"10", "5", "1", "10", "4", "1"});
        press(Qt::Key_F7);
        f().box("txtN1")->setFocus();
        QTRY_VERIFY(f().box("txtN1")->hasFocus());
        type(QStringLiteral("2"));
        auto* sample = f().control<QLabel>("lblSample");
        QCOMPARE(sample->accessibleDescription(), QStringLiteral("out of date"));
        QCOMPARE(sample->palette().color(QPalette::Active, QPalette::WindowText),
                 sample->palette().color(QPalette::Disabled, QPalette::WindowText));
        combo("cboPower")->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        press(Qt::Key_F5);
        QCOMPARE(sample->accessibleDescription(), QString());
        QVERIFY(line("lblSensitivity").startsWith(QStringLiteral("With 2 and 10:")));
    }

    void rememberedAcrossRuns() {
        press(Qt::Key_F7);
        f().form->close();
        f().form.reset();
        f().settings->sync();
        QCOMPARE(QSettings(f().settingsFile(), QSettings::IniFormat)
                     .value(QStringLiteral("LxTervan/frmTervan/Planning"))
                     .toString(),
                 QStringLiteral("1"));
        f().open();
        QVERIFY(QTest::qWaitForWindowExposed(f().form.get()));
        QVERIFY(area() && area()->isVisible());
        QCOMPARE(f().form->height(), area()->geometry().bottom() + 1);
    }
};

QTEST_MAIN(TestPlanning)
#include "test_planning.moc"
