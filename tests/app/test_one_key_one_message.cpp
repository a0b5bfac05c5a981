// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.h"
#include "platform/message_box.h"

#include <QMessageBox>
#include <QTimer>

using lx::test::FormFixture;

// One key press is previewed once, however its handler moves the focus: here
// with real modal boxes on a real X server, where the focus comes back to the
// window only after the box has gone.
class TestOneKeyOneMessage : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    std::unique_ptr<lx::QtMessageBox> m_realBoxes;
    QTimer m_answer;
    int m_boxesShown = 0;

    FormFixture& f() { return *m_fixture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched)) {
            ++m_boxesShown;
        }
        return false;
    }

private slots:
    void init() {
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        m_realBoxes = std::make_unique<lx::QtMessageBox>(f().form.get());
        f().form->setMessageBox(*m_realBoxes);
        f().form->activateWindow(); // no window manager under Xvfb does it
        QVERIFY(QTest::qWaitForWindowExposed(f().form.get()));
        m_boxesShown = 0;
        qApp->installEventFilter(this);
        // The user answers every box with Enter.
        connect(&m_answer, &QTimer::timeout, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        m_answer.start(20);
    }
    void cleanup() {
        m_answer.stop();
        m_answer.disconnect();
        qApp->removeEventFilter(this);
        m_fixture.reset();
        m_realBoxes.reset();
    }

    void oneF5OneBox_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("in an input box") << "txtN1";
        QTest::newRow("in a result box") << "txtP";
    }
    void oneF5OneBox() {
        QFETCH(QString, focus);
        f().box(focus)->setFocus();
        QTRY_VERIFY(f().box(focus)->hasFocus());
        QTest::keyClick(f().box(focus), Qt::Key_F5);
        QCOMPARE(m_boxesShown, 1);
        QCOMPARE(f().windowSystem.sleptMilliseconds, 125); // one pressed look
        QVERIFY(f().form->isVisible());
    }

    void escAfterAMessageClearsOnce() {
        f().box("txtN1")->setText(QStringLiteral("7"));
        f().box("txtN1")->setFocus();
        QTRY_VERIFY(f().box("txtN1")->hasFocus());
        QTest::keyClick(f().box("txtN1"), Qt::Key_F5);
        QCOMPARE(m_boxesShown, 1);
        // Straight after the box, before the window has the focus back.
        QTest::keyClick(f().box("txtN1"), Qt::Key_Escape);
        QCOMPARE(f().windowSystem.sleptMilliseconds, 2 * 125);
        QVERIFY(f().box("txtN1")->text().isEmpty());
        QCOMPARE(m_boxesShown, 1);
    }
};

QTEST_MAIN(TestOneKeyOneMessage)
#include "test_one_key_one_message.moc"
