// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/property_page_catalog.h"
#include "platform/property_pages_dialog.h"
#include "sample_control.h"
#include "sample_page.h"
#include "support/recording_message_box.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using lx::PropertyPagesDialog;
using lx::test::RecordingMessageBox;
using lx::test::SampleControl;
using lx::test::SamplePage;

class TestPropertyPagesDialog : public QObject {
    Q_OBJECT

    RecordingMessageBox m_messages;
    SampleControl* m_control = nullptr;
    PropertyPagesDialog* m_dialog = nullptr;
    SamplePage* m_page = nullptr;

    QPushButton* button(const char* name) const {
        return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void type(const QString& text) {
        m_page->txtCaption->clear();
        QTest::keyClicks(m_page->txtCaption, text);
    }

private slots:
    void init() {
        m_control = new SampleControl;
        m_dialog = new PropertyPagesDialog;
        m_page = new SamplePage;
        m_page->setMessageBox(m_messages);
        m_dialog->addPage(m_page);
        m_dialog->setSelectedControls({m_control});
    }
    void cleanup() {
        delete m_dialog;
        delete m_control;
    }

    void applyIsEnabledOnlyWhileThePageHasChanges() {
        QVERIFY(!button("cmdApply")->isEnabled());
        type(QStringLiteral("Edited"));
        QVERIFY(button("cmdApply")->isEnabled());
        QTest::mouseClick(button("cmdApply"), Qt::LeftButton);
        QCOMPARE(m_control->Caption, QStringLiteral("Edited"));
        QVERIFY(!button("cmdApply")->isEnabled());
    }

    void okAppliesAndCloses() {
        QSignalSpy accepted(m_dialog, &QDialog::accepted);
        type(QStringLiteral("Edited"));
        QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
        QCOMPARE(m_control->Caption, QStringLiteral("Edited"));
        QCOMPARE(accepted.count(), 1);
    }

    void cancelAppliesNothing() {
        QSignalSpy rejected(m_dialog, &QDialog::rejected);
        type(QStringLiteral("Edited"));
        QTest::mouseClick(button("cmdCancel"), Qt::LeftButton);
        QCOMPARE(m_control->Caption, QStringLiteral("Sample"));
        QCOMPARE(rejected.count(), 1);
    }

    void refusedPageKeepsTheDialogOpenOnIt() {
        auto* other = new SamplePage;
        m_dialog->addPage(other);
        auto* tabs = m_dialog->findChild<QTabWidget*>(QStringLiteral("tabPages"));
        tabs->setCurrentWidget(other);
        QSignalSpy accepted(m_dialog, &QDialog::accepted);
        type(QStringLiteral("refuse"));
        QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(tabs->currentWidget(), m_page);
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY(button("cmdApply")->isEnabled());
    }

    void forSelectionMakesTheNamedPagesAsTabs() {
        lx::PropertyPageCatalog catalog;
        catalog.add(QStringLiteral("Sample"), [] { return new SamplePage; });
        std::unique_ptr<PropertyPagesDialog> dialog(
            PropertyPagesDialog::forSelection(catalog, {m_control}));
        auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("tabPages"));
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Color"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Sample"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Font"));
        auto* sample = qobject_cast<SamplePage*>(dialog->pages().at(1));
        QCOMPARE(sample->txtCaption->text(), QStringLiteral("Sample"));
    }

    void unknownPageNamesAreLeftOut() {
        lx::PropertyPageCatalog catalog;
        std::unique_ptr<PropertyPagesDialog> dialog(
            PropertyPagesDialog::forSelection(catalog, {m_control}));
        QCOMPARE(dialog->pages().size(), 2);
    }
};

QTEST_MAIN(TestPropertyPagesDialog)
#include "test_property_pages_dialog.moc"
