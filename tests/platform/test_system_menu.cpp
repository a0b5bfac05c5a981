// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_menu.h"

#include <QTest>
#include <QWidget>
#include <memory>

using namespace lx;
using Entry = SystemMenu::Entry;

Q_DECLARE_METATYPE(QList<SystemMenu::Entry>)

class TestSystemMenu : public QObject {
    Q_OBJECT

private:
    static std::unique_ptr<QWidget> window(Qt::WindowFlags flags, bool fixedSize) {
        auto w = std::make_unique<QWidget>(nullptr, flags);
        if (fixedSize) {
            w->setFixedSize(200, 100);
        }
        return w;
    }

private slots:
    void entriesFollowBorderAndButtons_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("fixedSize");
        QTest::addColumn<QList<Entry>>("entries");
        QTest::newRow("sizable with both boxes")
            << int(Qt::Window) << false
            << QList<Entry>{Entry::Restore,  Entry::Move,      Entry::Size, Entry::Minimize,
                            Entry::Maximize, Entry::Separator, Entry::Close};
        QTest::newRow("fixed dialog frame")
            << int(Qt::Dialog) << true << QList<Entry>{Entry::Move, Entry::Separator, Entry::Close};
        QTest::newRow("fixed with a minimise box")
            << int(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
            << true
            << QList<Entry>{Entry::Restore, Entry::Move, Entry::Minimize, Entry::Separator,
                            Entry::Close};
    }

    void entriesFollowBorderAndButtons() {
        QFETCH(int, flags);
        QFETCH(bool, fixedSize);
        QFETCH(QList<Entry>, entries);
        const auto w = window(Qt::WindowFlags(flags), fixedSize);
        QCOMPARE(SystemMenu::of(*w).entries(), entries);
    }

    void removingByPosition_data() {
        QTest::addColumn<bool>("fixedDialog");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("countAfter");
        QTest::addColumn<bool>("closeGone");
        QTest::newRow("close of the standard seven") << false << 6 << 6 << true;
        QTest::newRow("minimise of the standard seven") << false << 3 << 6 << false;
        QTest::newRow("past the end of a short menu") << true << 6 << 3 << false;
        QTest::newRow("close of a short menu") << true << 2 << 2 << true;
        QTest::newRow("negative position") << false << -1 << 7 << false;
    }

    void removingByPosition() {
        QFETCH(bool, fixedDialog);
        QFETCH(int, position);
        QFETCH(int, countAfter);
        QFETCH(bool, closeGone);
        const auto w = window(fixedDialog ? Qt::Dialog : Qt::Window, fixedDialog);
        w->show();
        SystemMenu& menu = SystemMenu::of(*w);
        menu.removeAt(position);
        QCOMPARE(menu.count(), countAfter);
        QCOMPARE(menu.hasClose(), !closeGone);
        QCOMPARE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint), !closeGone);
        QCOMPARE(w->windowHandle()->flags().testFlag(Qt::WindowCloseButtonHint), !closeGone);
        QVERIFY(w->isVisible());
    }

    void aWindowHasOneMenuTakenWhenFirstAskedFor() {
        QWidget w;
        QWidget child(&w);
        SystemMenu& menu = SystemMenu::of(w);
        menu.removeAt(6);
        w.setFixedSize(100, 100); // later changes of the border leave the copy alone
        QCOMPARE(&SystemMenu::of(child), &menu);
        QCOMPARE(SystemMenu::of(w).count(), 6);
        QCOMPARE(SystemMenu::of(w).entries().last(), Entry::Separator);
    }

    void theProgramMayStillCloseTheWindow() {
        QWidget w;
        w.show();
        SystemMenu::of(w).removeAt(6);
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestSystemMenu)
#include "test_system_menu.moc"
