// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's buttons draw when the window is first shown: what they show then is their
// look, with the Details off and on. Runs in English and, with LANG=de_DE.UTF-8, in German.
#include "app/application.h"
#include "app/frm_tervan.h"
#include "platform/settings_store.h"
#include "support/first_frames.h"
#include "support/recording_message_box.h"

#include <QTemporaryDir>
#include <QTest>

class TestFormFirstFrame : public QObject {
    Q_OBJECT

private slots:
    void buttonsShowTheirLookFirst_data() {
        QTest::addColumn<bool>("detailsOn");
        QTest::addColumn<bool>("planningOn");
        QTest::addColumn<bool>("plotOn");
        QTest::addColumn<int>("buttons");

        QTest::newRow("details off") << false << false << false << 7;
        QTest::newRow("details on") << true << false << false << 8; // and its Copy button
        QTest::newRow("details and planning on") << true << true << false << 9; // the plan's Copy
        QTest::newRow("plot on") << false << false << true << 9; // Save picture… and Copy
    }

    void buttonsShowTheirLookFirst() {
        QFETCH(bool, detailsOn);
        QFETCH(bool, planningOn);
        QFETCH(bool, plotOn);
        QFETCH(int, buttons);
        QTemporaryDir folder;
        lx::SettingsStore settings(folder.filePath(QStringLiteral("settings.ini")));
        settings.SaveSetting(QStringLiteral("LxTervan"), QStringLiteral("frmTervan"),
                             QStringLiteral("Details"),
                             detailsOn ? QStringLiteral("1") : QStringLiteral("0"));
        settings.SaveSetting(QStringLiteral("LxTervan"), QStringLiteral("frmTervan"),
                             QStringLiteral("Planning"),
                             planningOn ? QStringLiteral("1") : QStringLiteral("0"));
        settings.SaveSetting(QStringLiteral("LxTervan"), QStringLiteral("frmTervan"),
                             QStringLiteral("Plot"),
                             plotOn ? QStringLiteral("1") : QStringLiteral("0"));
        lx::test::RecordingMessageBox messages;
        lx::FrmTervan form(&settings);
        form.setMessageBox(messages);
        // The German run must really be German.
        QCOMPARE(form.windowTitle() == QStringLiteral("Student's t-test"),
                 QLocale().language() != QLocale::German);

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(form.findChildren<lx::LxButton*>().size(), buttons);
        QCOMPARE(lx::test::buttonsNotShowingTheirLook(form), QStringList());
    }
};

int main(int argc, char* argv[]) {
    lx::Application application(argc, argv);
    TestFormFirstFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_form_first_frame.moc"
