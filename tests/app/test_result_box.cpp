// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.h"
#include "platform/core/number_text.h"
#include "support/locale_scope.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>

using lx::test::FormFixture;
using lx::test::LocaleScope;

namespace {

// A number's text to the significant digits its mantissa shows, rounded by the C library.
QString toShownDigits(double value, const QString& shown, const QLocale& locale) {
    static const QRegularExpression notSignificant(QStringLiteral("^[^1-9]*|[^0-9]"));
    const QString mantissa = shown.section(locale.exponential(), 0, 0);
    const auto digits = std::max<qsizetype>(1, QString(mantissa).remove(notSignificant).size());
    return QString::asprintf("%.*e", static_cast<int>(digits) - 1, value);
}

} // namespace

// Results wider than their box, at any scale and in either decimal mark: what shows is the
// same number to the digits it shows, and fits; the tooltip and a copy from the box give all.
class TestResultBox : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    FormFixture& f() { return *m_fixture; }

    QLineEdit* boxOf(lx::Box box) {
        return f().box(box == lx::Box::Freedom ? "txtFreedom" : "txtStudent");
    }

    // The width QLineEdit draws text in: inside its frame and its two-pixel margins.
    static int room(const QLineEdit& box) {
        const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
        return box.contentsRect().width() - 2 * (frame + 2);
    }

private slots:
    void init() {
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        QVERIFY(QTest::qWaitForWindowExposed(f().form.get()));
    }
    void cleanup() { m_fixture.reset(); }

    void showsTheSameNumberAndFits_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<lx::Box>("box");
        QTest::addColumn<double>("value");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        const lx::Box t = lx::Box::Student;
        QTest::newRow("reference t") << english << t << 2.23606797749979;
        QTest::newRow("tiny") << english << t << 2.23606797741514e-05;
        QTest::newRow("tiny, decimal comma") << german << t << -2.23606797741514e-05;
        QTest::newRow("huge") << english << t << 3.16227766016838e300;
        QTest::newRow("huge negative, decimal comma") << german << t << -3.16227766016838e300;
        QTest::newRow("fifteen-digit whole number") << english << t << -123456789012345.0;
        QTest::newRow("rounds up to a power of ten") << english << t << 9.99999999999999;
        QTest::newRow("plain and small") << german << t << 0.000123456789012345;
        QTest::newRow("ten-digit df") << english << lx::Box::Freedom << 1999999998.0;
    }
    void showsTheSameNumberAndFits() {
        QFETCH(QLocale, locale);
        QFETCH(lx::Box, box);
        QFETCH(double, value);
        LocaleScope scope(locale);
        const QString full = box == lx::Box::Freedom
                                 ? lx::number_text::fromLong(static_cast<std::int32_t>(value))
                                 : lx::number_text::fromDouble(value);
        f().form->setBoxText(box, full);
        QLineEdit* edit = boxOf(box);
        const QString shown = edit->text();

        QVERIFY2(edit->fontMetrics().horizontalAdvance(shown) < room(*edit), qPrintable(shown));
        QCOMPARE(toShownDigits(lx::number_text::toDouble(shown), shown, locale),
                 toShownDigits(lx::number_text::toDouble(full), shown, locale));
        QCOMPARE(f().form->boxText(box), full);
        if (shown != full) {
            QVERIFY2(edit->toolTip().endsWith(full), qPrintable(edit->toolTip()));
        }

        // A copy from the box, by key or by its menu, has every digit.
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), full);
        if (clipboard->supportsSelection()) { // under X11: run by test_result_box_x11
            QTRY_COMPARE(clipboard->text(QClipboard::Selection), full);
        }
        clipboard->clear();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                    edit->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(edit, &menuEvent);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        const QList<QAction*> actions = menu->actions();
        const auto copy = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
            return action->text().startsWith(QStringLiteral("&Copy"));
        });
        QVERIFY(copy != actions.end());
        (*copy)->trigger();
        menu->close();
        QCOMPARE(clipboard->text(), full);
    }

    // Too narrow for even one digit, the box says so rather than show the start of a number.
    void tooNarrowForAnyDigit() {
        f().form->setBoxText(lx::Box::Student, QStringLiteral("2.23606797749979"));
        f().box("txtStudent")->setFixedWidth(12);
        QTRY_COMPARE(f().box("txtStudent")->text(), QStringLiteral("#"));
        QCOMPARE(f().box("txtStudent")->toolTip(), QStringLiteral("2.23606797749979"));
    }
};

QTEST_MAIN(TestResultBox)
#include "test_result_box.moc"
