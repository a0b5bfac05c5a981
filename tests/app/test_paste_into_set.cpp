// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.h"
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

using lx::Box;
using lx::test::FormFixture;

namespace {

const QStringList inputs = {"txtN1", "txtM1", "txtSD1", "txtN2", "txtM2", "txtSD2"};

// Opens the box's context menu and gives its entry with the label, closing the menu first as a
// click does.
QAction* menuEntry(QLineEdit* box, const char* label) {
    const QPoint at = box->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
    QCoreApplication::sendEvent(box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* found = nullptr;
    for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
        if (action->text().section(u'\t', 0, 0) == QLineEdit::tr(label)) {
            found = action;
        }
    }
    if (menu) {
        menu->close();
    }
    return found;
}

// Puts text into a box the way a user would: "Ctrl+V", "menu" (the context menu's Paste) or
// "drop".
void pasteInto(QLineEdit* box, const QString& how, const QString& text) {
    box->setFocus();
    if (how == QLatin1String("drop")) {
        QMimeData data;
        data.setText(text);
        const QPoint at = box->rect().center();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &drop);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    if (how == QLatin1String("menu")) {
        QAction* paste = menuEntry(box, "&Paste");
        QVERIFY(paste);
        paste->trigger();
    } else {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
}

} // namespace

class TestPasteIntoSet : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    FormFixture& f() { return *m_fixture; }

    QStringList inputTexts() {
        QStringList texts;
        for (const QString& name : inputs) {
            texts.append(f().box(name)->text());
        }
        return texts;
    }
    void setInputTexts(const QStringList& texts) {
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            f().box(inputs[i])->setText(texts[i]);
        }
    }
    QList<bool> exactness() {
        QList<bool> exact;
        for (int box = 0; box < 9; ++box) {
            exact.append(f().form->boxTextIsExact(static_cast<Box>(box)));
        }
        return exact;
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        QVERIFY(QTest::qWaitForWindowActive(f().form.get()));
    }
    void cleanup() { m_fixture.reset(); }

    void rawValuesFillTheSet_data() {
        for (const char* column : {"how", "target", "locale", "text", "message"}) {
            QTest::addColumn<QString>(column);
        }
        QTest::addColumn<QStringList>("after");
        QTest::newRow("column with a header and a blank line")
            << "Ctrl+V" << QStringLiteral("txtM1") << QStringLiteral("en_US")
            << QStringLiteral("Score\n2\n4\n4\n\n4\n5\n5\n7\n9\n")
            << QStringLiteral(
                   "8 values pasted into the first set (2 cells skipped: Score, 1 empty)")
            << QStringList{"8", "5", "2.1380899352994", "1", "2", "3"};
        QTest::newRow("tab-separated row")
            << "menu" << QStringLiteral("txtSD2") << QStringLiteral("en_US")
            << QStringLiteral("2\t4\t4\t4\t5\t5\t7\t9\r\n")
            << QStringLiteral("8 values pasted into the second set")
            << QStringList{"1", "2", "3", "8", "5", "2.1380899352994"};
        QTest::newRow("de_DE column with decimal commas and semicolons")
            << "drop" << QStringLiteral("txtN2") << QStringLiteral("de_DE")
            << QStringLiteral("Wert;\n1,5;\n2,5;\n3,5;\n4,5;\n")
            << QStringLiteral("4 values pasted into the second set (1 cell skipped: Wert)")
            << QStringList{"1", "2", "3", "4", "3", "1,29099444873581"};
    }
    void rawValuesFillTheSet() {
        QFETCH(QString, how);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QLocale::setDefault(QLocale(locale));
        setInputTexts({"1", "2", "3", "1", "2", "3"});
        QFETCH(QString, target);
        QLineEdit* box = f().box(target);

        pasteInto(box, how, text);
        QVERIFY(f().messages.messages.isEmpty());
        QTEST(inputTexts(), "after");
        auto* note = f().control<QLabel>("lblPasted");
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), message);
        QCOMPARE(box->accessibleDescription(), message);

        // The pasted set stands for exact values until the user changes a box.
        const int first = inputs.indexOf(box->objectName()) < 3 ? 0 : 3;
        // Each box shows its number from the first digit, a long SD too; the target is selected.
        for (int k = first; k < first + 3; ++k) {
            QCOMPARE(f().box(inputs[k])->cursorPosition(), 0);
        }
        QCOMPARE(box->selectedText(), box->text());
        QList<bool> exact(9, false);
        std::fill_n(exact.begin() + first, 3, true);
        QCOMPARE(exactness(), exact);
        QLineEdit* mean = f().box(inputs[first + 1]);
        mean->setFocus();
        QTest::keyClick(mean, Qt::Key_1);
        exact[first + 1] = false;
        QCOMPARE(exactness(), exact);
        QTest::keyClick(mean, Qt::Key_Escape);
        QCOMPARE(exactness(), QList<bool>(9, false));
        QVERIFY(box->accessibleDescription().isEmpty());
        QVERIFY(!note->isVisible());
    }

    // Fewer than two numbers go into the box as into a plain line edit; values a set cannot take
    // leave it alone, with a message.
    void otherTextFillsNoSet_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("one number") << QStringLiteral("42") << QString();
        QTest::newRow("a header and one number") << QStringLiteral("Score\n42\n") << QString();
        QTest::newRow("numbers with group separators")
            << "1,500\n2,250\n"
            << "The values for the first set hold a group separator (\"1,500\"), so they could "
               "mean other numbers; paste them without group separators.";
        QTest::newRow("values out of range")
            << "1e308\n1e308\n"
            << "The mean or standard deviation of the values for the first set is out of range.";
    }
    void otherTextFillsNoSet() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        setInputTexts({"1", "2", "3", "4", "5", "6"});
        QLineEdit plain(QStringLiteral("2"));
        QGuiApplication::clipboard()->setText(text);
        plain.selectAll(); // as the box is once it has the focus
        plain.paste();

        pasteInto(f().box("txtM1"), "Ctrl+V", text);
        const QString m1 = message.isEmpty() ? plain.text() : QStringLiteral("2");
        QCOMPARE(inputTexts(), (QStringList{"1", m1, "3", "4", "5", "6"}));
        QCOMPARE(exactness(), QList<bool>(9, false));
        QCOMPARE(f().messages.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(f().messages.messages[0].text, message);
            QCOMPARE(f().messages.messages[0].title, QStringLiteral("Error!"));
            QCOMPARE(f().messages.messages[0].icon, lx::MessageBox::Icon::Exclamation);
        }
    }

    // A column with the other decimal mark leaves the set alone, with a note that says which mark
    // the window reads: pasted as text, it put "5,1 4,9 6,2" into one box without a word.
    void otherDecimalMarkIsNoted() {
        setInputTexts({"1", "2", "3", "4", "5", "6"});
        pasteInto(f().box("txtN1"), "Ctrl+V", QStringLiteral("5,1\n4,9\n6,2\n"));
        QCOMPARE(inputTexts(), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QVERIFY(f().messages.messages.isEmpty());
        auto* note = f().control<QLabel>("lblPasted");
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().contains(QStringLiteral("expects a decimal point")),
                 qPrintable(note->text()));
    }

    // A failure nobody planned for, here a message box that throws, is reported and the window
    // goes on: it never crosses Qt's event delivery, from the key or from the menu.
    void failuresInAPasteAreReported_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ctrl+V") << "Ctrl+V";
        QTest::newRow("menu") << "menu";
    }
    void failuresInAPasteAreReported() {
        QFETCH(QString, how);
        struct Throwing : lx::MessageBox {
            void show(const QString&, const QString&, Icon) override {
                throw lx::RuntimeError(lx::ErrorNumber::Overflow);
            }
        } throwing;
        lx::test::RecordingMessageBox reports;
        lx::error_guard::setMessageBox(&reports);
        f().form->setMessageBox(throwing);
        pasteInto(f().box("txtM1"), how, "1e308\n1e308\n"); // refused: a message
        lx::error_guard::setMessageBox(nullptr);
        QCOMPARE(reports.messages.size(), 1);
        QVERIFY(f().form->isVisible());
    }

    void undoRestoresTheSet_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Ctrl+Z") << false;
        QTest::newRow("the menu's Undo") << true;
    }
    void undoRestoresTheSet() {
        QFETCH(bool, byMenu);
        const QStringList before{"10", "", "1,5", "4", "5", "6"};
        setInputTexts(before);
        QLineEdit* sd1 = f().box("txtSD1");
        pasteInto(sd1, "Ctrl+V", QStringLiteral("1\n2\n3"));
        QCOMPARE(inputTexts(), (QStringList{"3", "2", "1", "4", "5", "6"}));

        if (byMenu) {
            QAction* undo = menuEntry(sd1, "&Undo");
            QVERIFY(undo && undo->isEnabled());
            undo->trigger();
        } else {
            QTest::keyClick(sd1, Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(inputTexts(), before);
        QCOMPARE(exactness(), QList<bool>(9, false));
        QTest::keyClick(sd1, Qt::Key_Z, Qt::ControlModifier); // nothing left to undo
        QCOMPARE(inputTexts(), before);
    }
};

QTEST_MAIN(TestPasteIntoSet)
#include "test_paste_into_set.moc"
