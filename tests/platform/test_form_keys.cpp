// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"
#include "platform/key_codes.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

// The form previews every key and, like the calculator, cancels the key-down
// of everything but the digits; what a key types must still arrive.
class TestFormKeys : public QObject {
    Q_OBJECT

    struct Seen {
        int keyCode;
        int shift;
    };

    lx::Form* m_form = nullptr;
    QLineEdit* m_first = nullptr;
    QLineEdit* m_second = nullptr;
    QList<Seen> m_seen;

private slots:
    void init() {
        m_form = new lx::Form;
        m_form->setKeyPreview(true);
        m_first = new QLineEdit(m_form);
        m_second = new QLineEdit(m_form);
        m_second->move(0, 40);
        m_seen.clear();
        connect(m_form, &lx::Form::KeyDown, m_form, [this](int& keyCode, int shift) {
            m_seen.append({keyCode, shift});
            if (keyCode < 48 || keyCode > 57) {
                keyCode = 0;
            }
        });
        m_form->show();
        QApplication::setActiveWindow(m_form);
        m_first->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        QTRY_VERIFY(m_first->hasFocus());
    }
    void cleanup() {
        delete m_form;
        m_form = nullptr;
    }

    void previewSeesKeyCodeAndShift_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("shift");
        QTest::newRow("F5") << int(Qt::Key_F5) << int(Qt::NoModifier) << 116 << 0;
        QTest::newRow("Shift+F5") << int(Qt::Key_F5) << int(Qt::ShiftModifier) << 116 << 1;
        QTest::newRow("Ctrl+Esc") << int(Qt::Key_Escape) << int(Qt::ControlModifier) << 27 << 2;
        QTest::newRow("digit 7") << int(Qt::Key_7) << int(Qt::NoModifier) << 55 << 0;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 103 << 0;
        QTest::newRow("letter a") << int(Qt::Key_A) << int(Qt::NoModifier) << 65 << 0;
    }
    void previewSeesKeyCodeAndShift() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QTest::keyClick(m_first, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // The modifier keys go down first and are previewed too.
        QList<Seen> keys;
        for (const Seen& seen : std::as_const(m_seen)) {
            if (seen.keyCode < 16 || seen.keyCode > 18) {
                keys.append(seen);
            }
        }
        QCOMPARE(keys.size(), 1); // once, not once per parent it propagates to
        QTEST(keys[0].keyCode, "keyCode");
        QTEST(keys[0].shift, "shift");
    }

    void cancelledKeysStillType_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("letter") << "12" << 2 << int(Qt::Key_A) << "a"
                                << "12a";
        QTest::newRow("decimal point") << "1" << 1 << int(Qt::Key_Period) << "."
                                       << "1.";
        QTest::newRow("minus") << "" << 0 << int(Qt::Key_Minus) << "-"
                               << "-";
        QTest::newRow("digit") << "1" << 1 << int(Qt::Key_5) << "5"
                               << "15";
        QTest::newRow("backspace") << "123" << 3 << int(Qt::Key_Backspace) << ""
                                   << "12";
        QTest::newRow("delete does nothing") << "123" << 0 << int(Qt::Key_Delete) << ""
                                             << "123";
    }
    void cancelledKeysStillType() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(int, key);
        QFETCH(QString, text);
        m_first->setText(before);
        m_first->setCursorPosition(cursor);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(m_first, &press);
        QTEST(m_first->text(), "after");
    }

    void navigationKeysDoNothing_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("left") << int(Qt::Key_Left);
        QTest::newRow("right") << int(Qt::Key_Right);
        QTest::newRow("home") << int(Qt::Key_Home);
        QTest::newRow("end") << int(Qt::Key_End);
    }
    void navigationKeysDoNothing() {
        QFETCH(int, key);
        m_first->setText(QStringLiteral("1234"));
        m_first->setCursorPosition(2);
        QTest::keyClick(m_first, Qt::Key(key));
        QCOMPARE(m_first->cursorPosition(), 2);
    }

    void clipboardShortcutsWork() {
        m_first->setText(QStringLiteral("42"));
        m_first->selectAll();
        QTest::keyClick(m_first, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(m_first->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));
        QTest::keyClick(m_first, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_first->text(), QStringLiteral("42"));
    }

    void editingShortcutsPassThrough_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("undo") << int(Qt::Key_Z) << "4"
                              << "";
        QTest::newRow("select all") << int(Qt::Key_A) << "42"
                                    << "42";
    }
    void editingShortcutsPassThrough() {
        QFETCH(int, key);
        m_first->setText(QStringLiteral("4"));
        m_first->end(false);
        QTest::keyClicks(m_first, QStringLiteral("2"));
        QTest::keyClick(m_first, Qt::Key(key), Qt::ControlModifier);
        QTEST(m_first->text(), "text");
        QTEST(m_first->selectedText(), "selected");
    }

    void tabStillMovesFocus() {
        QTest::keyClick(m_first, Qt::Key_Tab);
        QTRY_VERIFY(m_second->hasFocus());
        QTest::keyClick(m_second, Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(m_first->hasFocus());
    }

    void withoutPreviewNothingIsSeen() {
        m_form->setKeyPreview(false);
        QTest::keyClick(m_first, Qt::Key_Delete);
        QVERIFY(m_seen.isEmpty());
    }
};

QTEST_MAIN(TestFormKeys)
#include "test_form_keys.moc"
