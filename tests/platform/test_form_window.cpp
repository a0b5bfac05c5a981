// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"
#include "platform/twips.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace lx;

class TestFormWindow : public QObject {
    Q_OBJECT

private slots:
    void loadOnceBeforeTheFirstShow() {
        Form form;
        bool visibleAtLoad = true;
        connect(&form, &Form::Load, &form, [&] { visibleAtLoad = form.isVisible(); });
        QSignalSpy load(&form, &Form::Load);
        form.show();
        form.hide();
        form.show();
        QCOMPARE(load.size(), 1);
        QVERIFY(!visibleAtLoad);
    }

    void outerRectangleSetBeforeShowIsTheFrame_data() {
        QTest::addColumn<QRectF>("outer");
        QTest::newRow("whole pixels") << QRectF(1500, 900, 6000, 4500);
        QTest::newRow("half twips") << QRectF(1267.5, 607.5, 4507.5, 3000);
    }

    void outerRectangleSetBeforeShowIsTheFrame() {
        QFETCH(QRectF, outer);
        Form form;
        form.Move(float(outer.left()), float(outer.top()), float(outer.width()),
                  float(outer.height()));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Left(), float(outer.left()));
        QCOMPARE(form.Top(), float(outer.top()));
        QCOMPARE(form.Width(), float(outer.width()));
        QCOMPARE(form.Height(), float(outer.height()));
        QCOMPARE(form.frameGeometry(), twips::toPixels(outer));
        QVERIFY(form.ScaleWidth() <= form.Width());
    }

    void resizeSignalForEveryClientChange() {
        Form form;
        form.setClientSize(3000, 1950);
        form.show();
        QSignalSpy resized(&form, &Form::Resize);
        form.setWidth(form.Width() + 150);
        QTRY_COMPARE(resized.size(), 1);
        QCOMPARE(form.ScaleWidth(), 3150.0f);
        form.setHeight(form.Height() - 150);
        QTRY_COMPARE(resized.size(), 2);
        QCOMPARE(form.ScaleHeight(), 1800.0f);
    }

    void windowStateCodes_data() {
        QTest::addColumn<int>("state");
        QTest::newRow("normal") << 0;
        QTest::newRow("minimised") << 1;
        QTest::newRow("maximised") << 2;
    }

    void windowStateCodes() {
        QFETCH(int, state);
        Form form;
        form.show();
        form.setWindowState(state);
        QCOMPARE(form.WindowState(), state);
        QCOMPARE(form.property("WindowState").toInt(), state);
    }

    void unloadMayRefuseTheClose() {
        Form form;
        form.show();
        int answer = 1;
        connect(&form, &Form::Unload, &form, [&](int& cancel) { cancel = answer; });
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        answer = 0;
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
    }

    void controlsInCreationOrderOnce() {
        Form form;
        QWidget first(&form);
        QWidget second(&form);
        form.addControl(&second);
        form.addControl(&first);
        form.addControl(&second);
        QCOMPARE(form.Controls(), (QList<QWidget*>{&second, &first}));
    }

    // Last: ending the program is for good.
    void endingTheProgramUnloadsNothing() {
        Form form;
        form.setObjectName("frmEnd");
        QCOMPARE(form.Name(), QStringLiteral("frmEnd"));
        form.show();
        int unloads = 0;
        connect(&form, &Form::Unload, &form, [&](int&) { ++unloads; });
        QTimer::singleShot(0, &form, [] { Form::EndProgram(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(Form::programEnding());
        form.close();
        QCOMPARE(unloads, 0);
    }
};

QTEST_MAIN(TestFormWindow)
#include "test_form_window.moc"
