// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The example form drawn in Qt Designer, loaded through the plugin as a program's QUiLoader
// does: its buttons draw when the form is first shown, and what they show then is their
// look. Runs in English and, with LANG=de_DE.UTF-8, in German.
#include "platform/form.h"
#include "platform/form_setup.h"
#include "support/first_frames.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QUiLoader>

class TestExampleFirstFrame : public QObject {
    Q_OBJECT

private slots:
    void buttonsShowTheirLookFirst() {
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(QStringLiteral(LX_DESIGNER_PLUGIN)).absolutePath());
        QFile file(QStringLiteral(LX_EXAMPLE_FORM));
        QVERIFY(file.open(QIODevice::ReadOnly));
        lx::Form form;
        QWidget* loaded = nullptr;
        lx::setupForm(form, [&] { loaded = loader.load(&file, &form); });
        QVERIFY2(loaded, qPrintable(loader.errorString()));

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(form.findChildren<lx::LxButton*>().size(), 3); // Exit, On top, Calculate
        QCOMPARE(lx::test::buttonsNotShowingTheirLook(form), QStringList());
    }
};

QTEST_MAIN(TestExampleFirstFrame)
#include "test_example_first_frame.moc"
