// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button/lx_button.h"
#include "support/fake_window_system.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using lx::LxButton;

class TestLxButtonAccessible : public QObject {
    Q_OBJECT

private slots:
    void speaksForTheButton_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("isSwitch");
        QTest::addColumn<bool>("value");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checkedAfterPress");

        QTest::newRow("button, access key dropped")
            << "Calculate (&F5)"
            << "Calculate" << false << false << QAccessible::Button << "Calculate (F5)" << false;
        QTest::newRow("picture-only button named by its tooltip")
            << ""
            << "Exit" << false << false << QAccessible::Button << "Exit" << false;
        QTest::newRow("switch, released")
            << "On top"
            << "On Top" << true << false << QAccessible::CheckBox << "On top" << true;
        QTest::newRow("switch, held down")
            << "On top"
            << "On Top" << true << true << QAccessible::CheckBox << "On top" << false;
    }

    void speaksForTheButton() {
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(bool, isSwitch);
        QFETCH(bool, value);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(bool, checkedAfterPress);

        lx::test::FakeWindowSystem windows;
        QWidget window;
        auto* button = new LxButton(&window);
        button->setUserMode(false); // Switch may only be set while designing
        button->setCaption(caption);
        button->setToolTipText(toolTip);
        button->setSwitch(isSwitch);
        button->setValue(value);
        button->setUserMode(true);
        window.show();

        // The button and its face, which takes the focus, say the same.
        for (QObject* object : {static_cast<QObject*>(button),
                                static_cast<QObject*>(button->findChild<QWidget*>("picButton"))}) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
            QVERIFY(accessible);
            QCOMPARE(accessible->role(), role);
            QCOMPARE(accessible->text(QAccessible::Name), name);
            QCOMPARE(accessible->state().checkable, isSwitch);
            QCOMPARE(accessible->state().checked, value);
            QVERIFY(accessible->actionInterface());
            QVERIFY(accessible->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }

        QSignalSpy clicks(button, &LxButton::Click);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(accessible->state().checked, checkedAfterPress);
    }
};

QTEST_MAIN(TestLxButtonAccessible)
#include "test_lx_button_accessible.moc"
