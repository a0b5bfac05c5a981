// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_control.h"
#include "sample_page.h"
#include "support/recording_message_box.h"

#include <QSignalSpy>
#include <QTest>

using lx::test::RecordingMessageBox;
using lx::test::SampleControl;
using lx::test::SamplePage;

namespace {

// A control that lacks the property the sample page loads.
class NoCaption : public QObject {
    Q_OBJECT
};

} // namespace

class TestPropertyPage : public QObject {
    Q_OBJECT

    RecordingMessageBox m_messages;

    void load(SamplePage& page, const QList<QObject*>& controls) {
        page.setMessageBox(m_messages);
        page.setSelectedControls(controls);
    }

private slots:
    void init() { m_messages.messages.clear(); }

    void clientAreaIsGivenInTwips() {
        SamplePage page;
        QCOMPARE(page.size(), QSize(395, 233));
        QCOMPARE(page.Caption(), QStringLiteral("Sample"));
    }

    void loadingIsNoEdit() {
        SampleControl control;
        SamplePage page;
        page.setChanged(true);
        load(page, {&control});
        QCOMPARE(page.txtCaption->text(), QStringLiteral("Sample"));
        QVERIFY(!page.Changed());
    }

    void userEditRaisesChangedOnce() {
        SampleControl control;
        SamplePage page;
        load(page, {&control});
        QSignalSpy spy(&page, &lx::PropertyPage::ChangedStateChanged);
        QTest::keyClicks(page.txtCaption, QStringLiteral("xy"));
        QVERIFY(page.Changed());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toBool(), true);
    }

    void applyWritesTheFirstAndClearsChanged() {
        SampleControl first;
        SampleControl second;
        SamplePage page;
        load(page, {&first, &second});
        page.txtCaption->clear();
        QTest::keyClicks(page.txtCaption, QStringLiteral("New"));
        QVERIFY(page.Apply());
        QCOMPARE(first.Caption, QStringLiteral("New"));
        QCOMPARE(second.Caption, QStringLiteral("Sample"));
        QVERIFY(!page.Changed());
        QVERIFY(m_messages.messages.isEmpty());
    }

    void refusedApplyTellsAndKeepsChanges() {
        SampleControl control;
        SamplePage page;
        load(page, {&control});
        page.txtCaption->clear();
        QTest::keyClicks(page.txtCaption, QStringLiteral("refuse"));
        QVERIFY(!page.Apply());
        QVERIFY(page.Changed());
        QCOMPARE(control.Caption, QStringLiteral("Sample"));
        QCOMPARE(m_messages.messages.size(), 1);
        QCOMPARE(m_messages.messages.first().text, QStringLiteral("Caption refused"));
        QCOMPARE(m_messages.messages.first().title, QStringLiteral("Sample"));
    }

    void failedLoadLeavesNothingToApplyTo() {
        NoCaption control;
        SamplePage page;
        load(page, {&control});
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY(m_messages.messages.first().text.contains(QStringLiteral("Caption")));
        QVERIFY(page.SelectedControls().isEmpty());
        QTest::keyClicks(page.txtCaption, QStringLiteral("x"));
        QVERIFY(page.Apply());
        QVERIFY(control.dynamicPropertyNames().isEmpty());
    }

    void deletedFirstControlIsNotReplacedByTheNext() {
        auto* first = new SampleControl;
        SampleControl second;
        SamplePage page;
        load(page, {first, &second});
        delete first;
        QTest::keyClicks(page.txtCaption, QStringLiteral("x"));
        QVERIFY(!page.Apply()); // told, not reported as done
        QVERIFY(page.Changed());
        QCOMPARE(m_messages.messages.size(), 1);
        QCOMPARE(second.Caption, QStringLiteral("Sample"));
        QCOMPARE(page.SelectedControls(), QList<QObject*>{&second});
    }
};

QTEST_MAIN(TestPropertyPage)
#include "test_property_page.moc"
