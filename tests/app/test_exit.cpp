// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.h"

#include <QSettings>

using lx::test::FormFixture;

// Exit ends the program at once: nothing that closing would do may happen,
// so the window memory is not written. Kept apart because it ends the
// program for the rest of the process.
class TestExit : public QObject {
    Q_OBJECT
private slots:
    void exitSavesNothing() {
        FormFixture f;
        f.open();
        QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
        auto* face = f.control<QWidget>("cmdAction_3")->findChild<QWidget*>("picButton");
        QTest::mouseClick(face, Qt::LeftButton);
        QVERIFY(lx::Form::programEnding());
        // what main does once the event loop has been left
        f.form->close();
        f.form.reset();
        f.settings->sync();
        QVERIFY(QSettings(f.settingsFile(), QSettings::IniFormat).allKeys().isEmpty());
    }
};

QTEST_MAIN(TestExit)
#include "test_exit.moc"
