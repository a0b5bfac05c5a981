// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/plot_view.h"
#include "controls/button/lx_button.h"
#include "form_fixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

using lx::test::FormFixture;
using lx::test::press;

namespace {

// Fills the file dialog that the next event loop opens, choosing a format and a name.
void answerFileDialog(const QString& format, const QString& path) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const QStringList formats = dialog->nameFilters();
        QVERIFY2(formats.contains(format), qPrintable(formats.join(u'|')));
        dialog->selectNameFilter(format);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
}

} // namespace

// The Plot pane through the real window: F8, the picture's choice, its grey look, its copy and
// its files.
class TestPlot : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    FormFixture& f() { return *m_fixture; }
    lx::PlotView* pane() { return f().control<lx::PlotView>("PlotView"); }
    QWidget* picture() { return f().control<QWidget>("picPlot"); }

    void calculate(const QStringList& six) { f().calculate(six); }

private slots:
    void init() {
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        QVERIFY(QTest::qWaitForWindowActive(f().form.get()));
        f().box("txtN1")->setFocus();
    }
    void cleanup() { m_fixture.reset(); }

    void f8ShowsThePictureBeside() {
        const QSize designed = f().form->size();
        QVERIFY(!pane()); // made when first shown
        press(Qt::Key_F8);
        QVERIFY(f().control<lx::LxButton>("cmdPlot")->Value());
        QVERIFY(pane()->isVisible());
        QCOMPARE(pane()->x(), designed.width());
        QCOMPARE(f().form->width(), designed.width() + pane()->width());
        QVERIFY(f().form->height() >= designed.height());
        QVERIFY(picture()->accessibleDescription().contains(QStringLiteral("F5")));
        // The arrow keys choose the picture.
        QCOMPARE(QApplication::focusWidget(), f().control<QWidget>("cboPicture"));
        press(Qt::Key_Down);
        QCOMPARE(pane()->kind(), lx::plot_pictures::Kind::Posterior);
        press(Qt::Key_F8);
        QVERIFY(!pane()->isVisible());
        QCOMPARE(f().form->size(), designed);
        f().settings->sync();
        QCOMPARE(QSettings(f().settingsFile(), QSettings::IniFormat)
                     .value(QStringLiteral("LxTervan/frmTervan/Plot"))
                     .toString(),
                 QStringLiteral("0"));
    }

    // Each picture states its numbers for a screen reader. The mean's interval is 5 +- qt(.975,
    // 9) / sqrt(10) (R: 4.284777, 5.715223); the rest are the reference values of the details.
    void pictureDescribesItsNumbers_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("difference") << 0
                                    << QStringList{"M1 = 5.000", "[4.285, 5.715]",
                                                   "M1 \u2212 M2 = 1.000", "[0.06044, 1.940]"};
        QTest::newRow("posterior")
            << 1 << QStringList{"median 0.7362", "[-0.07481, 1.687]", "BF\u2081\u2080 = 2.03"};
        QTest::newRow("robustness")
            << 2
            << QStringList{"2.01 at r = 0.5000", "2.03 at r = 0.7071", "1.94 at r = 1.000",
                           "1.73 at r = 1.414", "largest 2.03 at r = 0.6429"};
    }
    void pictureDescribesItsNumbers() {
        QFETCH(int, choice);
        QFETCH(QStringList, figures);
        calculate({"10", "5", "1", "10", "4", "1"});
        press(Qt::Key_F8);
        f().control<QComboBox>("cboPicture")->setCurrentIndex(choice);
        const QString description = picture()->accessibleDescription();
        for (const QString& figure : figures) {
            QVERIFY2(description.contains(figure), qPrintable(description));
        }
    }

    // The posterior of delta and the Bayes factor's robustness cost more than the rest of a
    // calculation together: only the views that show them have them worked out.
    void onlyTheirViewsPayForTheCostlyParts_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("picture"); // -1: the plot pane stays hidden
        QTest::addColumn<bool>("worked");
        QTest::newRow("no view") << QList<int>{} << -1 << false;
        QTest::newRow("planning") << QList<int>{Qt::Key_F7} << -1 << false;
        QTest::newRow("difference plot") << QList<int>{} << 0 << false;
        QTest::newRow("power curve") << QList<int>{} << 3 << false;
        QTest::newRow("posterior picture") << QList<int>{} << 1 << true;
        QTest::newRow("robustness picture") << QList<int>{} << 2 << true;
        QTest::newRow("details") << QList<int>{Qt::Key_F6} << -1 << true;
    }
    void onlyTheirViewsPayForTheCostlyParts() {
        QFETCH(QList<int>, keys);
        QFETCH(int, picture);
        for (const int key : keys) {
            press(static_cast<Qt::Key>(key));
        }
        if (picture >= 0) {
            press(Qt::Key_F8);
            f().control<QComboBox>("cboPicture")->setCurrentIndex(picture);
        }
        calculate({"10", "5", "1", "10", "4", "1"});
        QTEST(f().form->lastCalculation().hasBayesDetails(), "worked");
        // A copy of the results holds them all.
        f().box("txtN1")->setFocus();
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(f().form->lastCalculation().hasBayesDetails());
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Median of")));
    }

    // The power curve draws the planning view's plan and follows it. R: pwr.t.test(d = 1,
    // power = .8) needs n = 16.7, so 17 per group, with power 0.8070367; at .9, 23 and 0.9124984.
    void powerCurveFollowsThePlan() {
        press(Qt::Key_F8);
        f().control<QComboBox>("cboPicture")->setCurrentIndex(3);
        QVERIFY(picture()->accessibleDescription().contains(QStringLiteral("Planning (F7)")));
        calculate({"10", "5", "1", "10", "4", "1"}); // d = 1
        press(Qt::Key_F7);
        QVERIFY(picture()->accessibleDescription().contains(
            QStringLiteral("n = 17 per group gives 0.8070 (target 0.8000)")));
        f().control<QComboBox>("cboPower")->setCurrentText(QStringLiteral("0.90"));
        QVERIFY2(picture()->accessibleDescription().contains(
                     QStringLiteral("n = 23 per group gives 0.9125 (target 0.9000)")),
                 qPrintable(picture()->accessibleDescription()));
        f().control<QComboBox>("cboRatio")->setCurrentText(QStringLiteral("2"));
        QVERIFY(picture()->accessibleDescription().contains(QStringLiteral("n2/n1 = 1")));
    }

    void choiceIsRemembered() {
        press(Qt::Key_F8);
        f().control<QComboBox>("cboPicture")->setCurrentIndex(2);
        f().form.reset();
        f().open();
        QVERIFY(pane()->isVisible()); // the switch is remembered too
        QCOMPARE(f().control<QComboBox>("cboPicture")->currentIndex(), 2);
        QCOMPARE(pane()->kind(), lx::plot_pictures::Kind::Robustness);
    }

    // After an edit the picture is out of date and is not copied; F5 brings it back.
    void staleUntilCalculatedAgain() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); // nothing to copy yet
        QVERIFY(clipboard->image().isNull());
        calculate({"10", "5", "1", "10", "4", "1"});
        press(Qt::Key_F8);
        const QString current = picture()->accessibleDescription();
        f().box("txtM1")->setText(QStringLiteral("6"));
        QVERIFY(picture()->accessibleDescription().startsWith(QStringLiteral("out of date")));
        press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(clipboard->image().isNull());
        f().box("txtN1")->setFocus();
        press(Qt::Key_F5);
        QVERIFY(!picture()->accessibleDescription().startsWith(QStringLiteral("out of date")));
        QVERIFY(picture()->accessibleDescription().contains(QStringLiteral("M1 = 6.000")));
        QVERIFY(picture()->accessibleDescription() != current);
        press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        const QImage copied = clipboard->image();
        QCOMPARE(copied.size(), picture()->size() * picture()->devicePixelRatioF());
        QVERIFY(copied.pixelColor(copied.width() / 2, 2) == Qt::white); // paper, and ink on it
        QVERIFY(copied.convertToFormat(QImage::Format_Grayscale8) !=
                QImage(copied.size(), QImage::Format_Grayscale8));
    }

    // Ctrl+Shift+P copies the chosen picture even while the pane is hidden.
    void copiesWithThePaneHidden() {
        calculate({"10", "5", "1", "10", "4", "1"});
        QGuiApplication::clipboard()->clear();
        press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        QVERIFY(!pane()->isVisible());
    }

    void savesEachFormat_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<double>("scale"); // of a PNG's pixels to the picture's
        QTest::newRow("png") << "PNG image, screen resolution (*.png)"
                             << "picture.png"
                             << "picture.png" << 1.0;
        QTest::newRow("png 300 dpi") << "PNG image, 300 dpi (*.png)"
                                     << "print"
                                     << "print.png" << 300 / 96.0;
        QTest::newRow("svg") << "SVG drawing (*.svg)"
                             << "drawing"
                             << "drawing.svg" << 0.0;
        QTest::newRow("pdf") << "PDF document (*.pdf)"
                             << "paper.pdf"
                             << "paper.pdf" << 0.0;
    }
    void savesEachFormat() {
        QFETCH(QString, format);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(double, scale);
        calculate({"10", "5", "1", "10", "4", "1"});
        press(Qt::Key_F8);
        answerFileDialog(format, f().folder.filePath(typed));
        QTest::mouseClick(
            f().control<lx::LxButton>("cmdSavePicture")->findChild<QWidget*>("picButton"),
            Qt::LeftButton);
        const QString path = f().folder.filePath(written);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QVERIFY(f().messages.messages.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (scale > 0) {
            const QSize expected = picture()->size() * scale;
            const QSize size = QImageReader(path).size();
            QVERIFY(std::abs(size.width() - expected.width()) <= 1);
            QVERIFY(std::abs(size.height() - expected.height()) <= 1);
        } else if (written.endsWith(u".svg")) {
            QXmlStreamReader svg(&file);
            QVERIFY(svg.readNextStartElement());
            QCOMPARE(svg.name(), QStringLiteral("svg"));
        } else {
            QVERIFY(file.read(5) == "%PDF-");
        }
    }

    void unwritableFileIsReported() {
        calculate({"10", "5", "1", "10", "4", "1"});
        press(Qt::Key_F8);
        answerFileDialog(QStringLiteral("SVG drawing (*.svg)"),
                         f().folder.filePath(QStringLiteral("no/such/folder/drawing.svg")));
        QTest::mouseClick(
            f().control<lx::LxButton>("cmdSavePicture")->findChild<QWidget*>("picButton"),
            Qt::LeftButton);
        QCOMPARE(f().messages.messages.size(), 1);
        QVERIFY(f().messages.messages[0].text.contains(QStringLiteral("drawing.svg")));
        QVERIFY(pane()->isVisible()); // and the program goes on
    }
};

QTEST_MAIN(TestPlot)
#include "test_plot.moc"
