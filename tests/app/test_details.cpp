// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/details_view.h"
#include "controls/button/lx_button.h"
#include "form_fixture.h"
#include "platform/core/number_text.h"
#include "support/locale_scope.h"

#include <QClipboard>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>

#include <cmath>
#include <utility>

using lx::test::FormFixture;
using lx::test::LocaleScope;
using lx::test::press;

namespace {

const QStringList reference = {"10", "5", "1", "10", "4", "1"};

} // namespace

// The Details switch, the details table and the copy command, through the real window.
class TestDetails : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    FormFixture& f() { return *m_fixture; }

    lx::LxButton* details() { return f().control<lx::LxButton>("cmdDetails"); }
    QWidget* area() { return f().control<lx::DetailsView>("DetailsView"); }
    QTableWidget* table() { return f().control<QTableWidget>("grdDetails"); }
    QString cell(int row, int column) {
        const QTableWidgetItem* item = table()->item(row, column);
        return item ? item->text() : QString();
    }

    QStringList resultTexts() {
        return {f().box("txtFreedom")->text(), f().box("txtStudent")->text(),
                f().box("txtP")->text()};
    }
    // Drawn in the disabled text colour and described as out of date, results and table alike.
    bool looksStale() {
        QList<QWidget*> shown{f().box("txtFreedom"), f().box("txtStudent"), f().box("txtP")};
        if (table()) {
            shown.append(table());
        }
        int stale = 0;
        for (const QWidget* widget : shown) {
            const QPalette& palette = widget->palette();
            const bool grey = palette.color(QPalette::Active, QPalette::Text) ==
                              palette.color(QPalette::Disabled, QPalette::Text);
            const bool described = widget->accessibleDescription() == QLatin1String("out of date");
            if (grey != described) {
                return !stale; // half and half: neither
            }
            stale += grey ? 1 : 0;
        }
        return stale == shown.size();
    }

    void calculate(const QStringList& six) { f().calculate(six); }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        QVERIFY(QTest::qWaitForWindowActive(f().form.get()));
    }
    void cleanup() { m_fixture.reset(); }

    void f6GrowsAndShrinksTheWindow() {
        const QSize designed = f().form->size();
        QVERIFY(!details()->Value());
        QVERIFY(!area()); // made when first shown
        f().box("txtN1")->setFocus();
        QTRY_VERIFY(f().box("txtN1")->hasFocus());
        for (const bool on : {true, false}) {
            press(Qt::Key_F6);
            QCOMPARE(details()->Value(), on);
            QCOMPARE(area()->isVisible(), on);
            QCOMPARE(f().form->width(), designed.width());
            QCOMPARE(f().form->height(), designed.height() + (on ? area()->height() : 0));
            QCOMPARE(f().form->minimumSize(), f().form->maximumSize()); // still fixed
            if (on) { // every row shows, nothing cut off
                QVERIFY(table()->verticalHeader()->length() <= table()->viewport()->height());
                QVERIFY(area()->geometry().bottom() < f().form->height());
            }
            QVERIFY(f().box("txtN1")->hasFocus());
        }
        QCOMPARE(f().windowSystem.sleptMilliseconds, 2 * 125); // shown pressed each time
    }

    // Shown only while the typed means can be judged; the window grows and shrinks with it.
    void wholeNumberMeansRow() {
        press(Qt::Key_F6);
        const int row = table()->rowCount() - 1;
        const int hiddenHeight = f().form->height();
        calculate({"28", "5.19", "1.2", "30", "4.50", "1.1"});
        QVERIFY(!table()->isRowHidden(row));
        QCOMPARE(cell(row, 0), QStringLiteral("no / yes"));
        const QString copied =
            QStringLiteral("\nMean possible for whole-number data\tno / yes\t\n");
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); // the copy has it too
        QVERIFY(QGuiApplication::clipboard()->text().contains(copied));
        QVERIFY(f().form->height() > hiddenHeight);
        QVERIFY(table()->verticalHeader()->length() <= table()->viewport()->height());
        calculate({"280", "5.19", "1.2", "300", "4.5", "1.1"}); // too many for the decimals
        QVERIFY(table()->isRowHidden(row));
        QCOMPARE(f().form->height(), hiddenHeight);
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QStringLiteral("whole-number")));
    }

    void followsTheResults() {
        press(Qt::Key_F6);
        calculate(reference);
        const int tRow = 0;
        QCOMPARE(cell(tRow, 0), QStringLiteral("2.236"));
        QCOMPARE(cell(tRow, 1), QStringLiteral("2.236"));
        QCOMPARE(cell(1, 0), QStringLiteral("18"));
        QCOMPARE(cell(1, 1), QStringLiteral("18.00"));
        QCOMPARE(cell(2, 0), QStringLiteral("0.0382"));
        QVERIFY(table()->item(tRow, 1)->data(Qt::AccessibleTextRole).toString().contains("Welch"));
        QVERIFY(f().control<lx::LxButton>("cmdCopy")->isEnabled());

        // Unusable: everything stays, out of date, and nothing of it can be copied.
        calculate({"10", "abc", "1", "10", "4", "1"});
        QCOMPARE(f().messages.messages.size(), 1);
        QCOMPARE(cell(tRow, 0), QStringLiteral("2.236"));
        QVERIFY(!f().control<lx::LxButton>("cmdCopy")->isEnabled());
        QSignalSpy copied(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(copied.count(), 0);
        calculate(reference);
        QVERIFY(f().control<lx::LxButton>("cmdCopy")->isEnabled());

        press(Qt::Key_Escape);
        for (int row = 0; row < table()->rowCount(); ++row) {
            QVERIFY2(cell(row, 0).isEmpty() && cell(row, 1).isEmpty(),
                     qPrintable(QString::number(row)));
        }
        QVERIFY(!f().control<lx::LxButton>("cmdCopy")->isEnabled());
    }

    void copiesTheResult_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("student");
        QTest::addColumn<QString>("welch");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QString("t(18) = 2.24, p = .038, M1 \u2212 M2 = 1.00, "
                                          "95% CI [0.06, 1.94], d = 1.00, 95% CI [0.05, 1.92], "
                                          "BF\u2081\u2080 = 2.03")
                               << "Welch's t(18.00) = 2.24, p = .038, 95% CI [0.06, 1.94]";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany)
                               << QString("t(18) = 2,24, p = ,038, M1 \u2212 M2 = 1,00, "
                                          "95% CI [0,06; 1,94], d = 1,00, 95% CI [0,05; 1,92], "
                                          "BF\u2081\u2080 = 2,03")
                               << "Welch's t(18,00) = 2,24, p = ,038, 95% CI [0,06; 1,94]";
    }
    void copiesTheResult() {
        QFETCH(QLocale, locale);
        LocaleScope scope(locale);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("before"));
        f().box("txtN1")->setFocus();
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); // nothing to copy yet
        QCOMPARE(clipboard->text(), QStringLiteral("before"));

        calculate(reference);
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = clipboard->text().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 3);
        QTEST(lines[0], "student");
        QTEST(lines[1], "welch");
        QCOMPARE(lines[2].split(u'\t'), (QStringList{"Figure", "Student (equal SDs)", "Welch"}));
        for (const QString& line : lines.mid(3)) {
            QCOMPARE(line.split(u'\t').size(), 3);
        }
        // the spreadsheet gets every digit, in the user's own notation
        const QStringList t = lines[3].split(u'\t');
        QCOMPARE(t[0], QStringLiteral("t"));
        QCOMPARE(lx::number_text::toDouble(t[1], locale), 2.23606797749979);
        QVERIFY(lines.filter(QStringLiteral("Cohen's d\t")).size() == 1);
        const QStringList bf10 =
            lines.filter(QStringLiteral("BF10 (r = %1)\t").arg(locale.toString(0.707, 'f', 3)));
        QCOMPARE(bf10.size(), 1);
        // R's integral (tests/stats/bayes_reference.csv, first row), to 15 digits
        QCOMPARE(lx::number_text::toDouble(bf10[0].split(u'\t')[1], locale), 2.03056084884401);
        // The posterior and the robustness of BF10: mpmath's quadratures, the first rows of
        // tests/stats/bayes_posterior_reference.csv and bayes_robustness_reference.csv.
        const auto copied = [&](const QString& name) {
            const QStringList found = lines.filter(QRegularExpression(
                QStringLiteral("^") + QRegularExpression::escape(name) + QStringLiteral("\t")));
            return found.size() == 1 ? lx::number_text::toDouble(found[0].split(u'\t')[1], locale)
                                     : std::nan("");
        };
        const auto scale = [&](double r) { return locale.toString(r, 'f', 3); };
        QVERIFY(std::fabs(copied(QStringLiteral("Median of \u03B4")) - 0.73621295259885288) < 1e-6);
        QVERIFY(std::fabs(copied(QStringLiteral("95% CrI of \u03B4 lower")) -
                          -0.074807437947064494) < 1e-6);
        QVERIFY(std::fabs(copied(QStringLiteral("95% CrI of \u03B4 upper")) - 1.6869055154900019) <
                1e-6);
        const std::pair<QString, double> factors[] = {
            {QStringLiteral("BF10 (r = %1)").arg(scale(0.5)), 0.6970760455506537},
            {QStringLiteral("BF10 (r = %1)").arg(scale(1)), 0.66150393487940975},
            {QStringLiteral("BF10 (r = %1)").arg(scale(std::sqrt(2.0))), 0.54696470003788342},
            {QStringLiteral("max BF10 (r = %1)").arg(scale(0.64289125662626745)),
             0.71042166573045743},
        };
        for (const auto& [name, logFactor] : factors) {
            QVERIFY2(std::fabs(std::log(copied(name)) - logFactor) < 1e-9, qPrintable(name));
        }

        // the Copy button does the same
        clipboard->clear();
        press(Qt::Key_F6);
        QTest::mouseClick(f().control<lx::LxButton>("cmdCopy")->findChild<QWidget*>("picButton"),
                          Qt::LeftButton);
        QCOMPARE(clipboard->text().split(u'\n', Qt::SkipEmptyParts), lines);
    }

    // Whatever changes an input after a calculation greys the results and stops their copy,
    // without clearing them; F5 brings them back.
    void staleUntilCalculatedAgain_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("typing") << "typing";
        QTest::newRow("paste into a set") << "paste";
        QTest::newRow("undo of a paste") << "undo";
    }
    void staleUntilCalculatedAgain() {
        QFETCH(QString, change);
        press(Qt::Key_F6);
        calculate(reference);
        QLineEdit* n1 = f().box("txtN1");
        if (change == "undo") { // a paste, calculated, then undone
            QGuiApplication::clipboard()->setText(QStringLiteral("9\n10\n11"));
            n1->setFocus();
            QTest::keyClick(n1, Qt::Key_V, Qt::ControlModifier);
            press(Qt::Key_F5);
        }
        const QStringList results = resultTexts();
        QVERIFY(!results.contains(QString()));
        QVERIFY(!looksStale());
        QSignalSpy copied(QGuiApplication::clipboard(), &QClipboard::dataChanged);

        n1->setFocus();
        if (change == "typing") {
            QTest::keyClicks(n1, "1");
        } else if (change == "paste") {
            QGuiApplication::clipboard()->setText(QStringLiteral("1\n2\n4"));
            QTest::keyClick(n1, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClick(n1, Qt::Key_Z, Qt::ControlModifier);
        }
        const int changes = copied.count();
        QVERIFY(looksStale());
        QCOMPARE(resultTexts(), results);
        QVERIFY(!f().control<lx::LxButton>("cmdCopy")->isEnabled());
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(copied.count(), changes);

        press(Qt::Key_F5);
        QVERIFY(!looksStale());
        QVERIFY(f().control<lx::LxButton>("cmdCopy")->isEnabled());
        f().box("txtM2")->setFocus();
        QTest::keyClicks(f().box("txtM2"), "7");
        QVERIFY(looksStale());
        press(Qt::Key_Escape); // nothing left to be out of date
        QVERIFY(!looksStale());
        QCOMPARE(resultTexts(), QStringList(3, QString()));
    }

    // Figures of both tests stand across both columns; no text is cut off, and the window
    // stays on the screen.
    void everyFigureShowsInFull_data() {
        QTest::addColumn<QStringList>("six");
        QTest::newRow("small") << reference;
        QTest::newRow("p range in exponent form")
            << QStringList{"116", "70.3", "13.0", "848", "67.3", "7.5"};
        QTest::newRow("large means")
            << QStringList{"5", "123456789.5", "1.5", "7", "-987654321.25", "2.75"};
        QTest::newRow("huge means") << QStringList{"5", "1e300", "1", "5", "-1e300", "1"};
        QTest::newRow("tiny difference") << QStringList{"10", "10", "1", "10", "10.00001", "1"};
    }
    void everyFigureShowsInFull() {
        QFETCH(QStringList, six);
        const QSize designed = f().form->size();
        press(Qt::Key_F6);
        calculate(six);
        QVERIFY(f().messages.messages.isEmpty());
        QCOMPARE(lx::test::clippedCells(*table()), QStringList());
        QVERIFY(f().form->width() >= designed.width());
        QVERIFY(area()->geometry().right() < f().form->width());
        const QRect screen = f().form->screen()->availableGeometry();
        QVERIFY(screen.contains(f().form->frameGeometry()));
        for (int row = 0; row < table()->rowCount(); ++row) {
            if (table()->columnSpan(row, 0) == 2) {
                QCOMPARE(table()->item(row, 0)->textAlignment() & Qt::AlignHorizontal_Mask,
                         int(Qt::AlignHCenter));
            }
        }
    }

    void staysOnTheScreen() {
        const QRect screen = f().form->screen()->availableGeometry();
        f().form->move(screen.right() - f().form->frameGeometry().width() + 1,
                       screen.bottom() - f().form->frameGeometry().height() + 1);
        f().box("txtN1")->setFocus();
        press(Qt::Key_F6);
        calculate({"5", "123456789.5", "1.5", "7", "-987654321.25", "2.75"});
        QVERIFY(f().form->height() > area()->height());
        QVERIFY(screen.contains(f().form->frameGeometry()));
    }

    void resultBoxesExplainThemselves() {
        QCOMPARE(f().box("txtFreedom")->toolTip(), QStringLiteral("degrees of freedom"));
        calculate(reference);
        QCOMPARE(f().box("txtStudent")->toolTip(), QStringLiteral("2.23606797749979")); // cut off
        QCOMPARE(f().box("txtP")->toolTip(), QString());                                // fits
        press(Qt::Key_Escape);
        QCOMPARE(f().box("txtStudent")->toolTip(), QString());
        QCOMPARE(f().box("txtFreedom")->toolTip(), QStringLiteral("degrees of freedom"));
    }

    void rememberedAcrossRuns() {
        f().box("txtN1")->setFocus();
        press(Qt::Key_F6);
        f().form->close();
        f().form.reset();
        f().settings->sync();
        QCOMPARE(QSettings(f().settingsFile(), QSettings::IniFormat)
                     .value(QStringLiteral("LxTervan/frmTervan/Details"))
                     .toString(),
                 QStringLiteral("1"));

        f().open();
        QVERIFY(QTest::qWaitForWindowExposed(f().form.get()));
        QVERIFY(details()->Value());
        QVERIFY(area()->isVisible());
        QCOMPARE(f().form->height(), area()->geometry().bottom() + 1);
    }
};

QTEST_MAIN(TestDetails)
#include "test_details.moc"
