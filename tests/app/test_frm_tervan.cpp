// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/forms/form_texts.h"
#include "app/frm_tervan.h"
#include "controls/button/lx_button.h"
#include "controls/window/lx_on_top.h"
#include "form_fixture.h"
#include "platform/bag_text.h"
#include "platform/form_file.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QSet>
#include <QSettings>
#include <QTimer>

using lx::test::FormFixture;

namespace {

const QStringList allBoxes = {"txtN1",  "txtM1",      "txtSD1",     "txtN2", "txtM2",
                              "txtSD2", "txtFreedom", "txtStudent", "txtP"};

void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
}

// Runs every node of the stored form, depth first.
void forEachNode(const lx::FormNode& node, const std::function<void(const lx::FormNode&)>& visit) {
    for (const lx::FormNode& child : node.children) {
        visit(child);
        forEachNode(child, visit);
    }
}

lx::FormNode storedForm() {
    QFile file(QStringLiteral(":/forms/frmTervan.frm"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("form file missing");
    }
    return lx::parseFormFile(QString::fromUtf8(file.readAll()));
}

} // namespace

class TestFrmTervan : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    FormFixture& f() { return *m_fixture; }

    void fillInputs(const QStringList& six) {
        const QStringList inputs = allBoxes.mid(0, 6);
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            f().box(inputs[i])->setText(six.value(i));
        }
    }

private slots:
    void init() {
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        QVERIFY(QTest::qWaitForWindowActive(f().form.get()));
    }
    void cleanup() { m_fixture.reset(); }

    void startsAsDesigned() {
        QCOMPARE(f().form->windowTitle(), QStringLiteral("Student's t-test"));
        QCOMPARE(f().form->ScaleWidth(), 4980.0f);
        QCOMPARE(f().form->ScaleHeight(), 3600.0f);
        QVERIFY(!f().form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!f().form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(f().form->minimumSize(), f().form->maximumSize()); // the frame does not drag
        QVERIFY(!f().form->windowIcon().isNull());
        QTRY_VERIFY(f().box("txtN1")->hasFocus());
        for (const QString& name : allBoxes) {
            QVERIFY2(f().box(name)->text().isEmpty(), qPrintable(name));
            QCOMPARE(f().box(name)->isReadOnly(), allBoxes.indexOf(name) >= 6);
        }
        QVERIFY(!f().control<lx::LxButton>("cmdAction_2")->Value());
        QVERIFY(!f().control<lx::LxOnTop>("lxpOnTop")->OnTop());
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("caption");
        QTest::newRow("menu strip") << "panMenu"
                                    << "frmTervan" << QRect(0, 0, 332, 28) << "";
        QTest::newRow("exit") << "cmdAction_3"
                              << "panMenu" << QRect(9, 3, 22, 22) << "";
        QTest::newRow("on top") << "cmdAction_2"
                                << "panMenu" << QRect(258, 3, 70, 22) << "On top";
        QTest::newRow("calculate") << "cmdAction_0"
                                   << "frmTervan" << QRect(18, 201, 127, 31) << "Calculate (F5)";
        QTest::newRow("clear all") << "cmdAction_1"
                                   << "frmTervan" << QRect(183, 201, 127, 31) << "Clear All (Esc)";
        QTest::newRow("first set") << "fraFirst"
                                   << "frmTervan" << QRect(6, 33, 157, 100) << "First Set";
        QTest::newRow("second set") << "Frame1"
                                    << "frmTervan" << QRect(168, 33, 157, 100) << "Second Set";
        QTest::newRow("result") << "Frame2"
                                << "frmTervan" << QRect(6, 138, 322, 52) << "Result";
        QTest::newRow("N1 box") << "txtN1"
                                << "fraFirst" << QRect(36, 15, 49, 22) << "";
        QTest::newRow("SD2 box") << "txtSD2"
                                 << "Frame1" << QRect(36, 66, 115, 22) << "";
        QTest::newRow("P box") << "txtP"
                               << "Frame2" << QRect(231, 18, 82, 22) << "";
        QTest::newRow("K label") << "Label7"
                                 << "Frame2" << QRect(12, 21, 16, 16) << "K";
        QTest::newRow("M2 label") << "Label5"
                                  << "Frame1" << QRect(9, 45, 25, 19) << "M2";
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QWidget* widget = f().control(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QTEST(widget->geometry(), "pixels");
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), caption);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            QCOMPARE(frame->title(), caption);
        } else if (widget->metaObject()->indexOfProperty("Caption") >= 0) {
            QCOMPARE(widget->property("Caption").toString(), caption);
        }
    }

    // Every value the form file stores for a custom control is what the
    // control holds once the form has loaded.
    void formFileLoadsEveryStoredValue() {
        int compared = 0;
        forEachNode(storedForm(), [&](const lx::FormNode& node) {
            QWidget* control = f().control(node.objectName());
            QVERIFY2(control, qPrintable(node.objectName()));
            if (!node.type.startsWith(QLatin1String("Lx"))) {
                return;
            }
            for (const QString& key : node.properties.keys()) {
                if (key == QLatin1String("TabIndex") || key == QLatin1String("Align")) {
                    continue; // the form's business, not the control's
                }
                QVERIFY2(control->metaObject()->indexOfProperty(qPrintable(key)) >= 0 ||
                             key == QLatin1String("AutoRedraw"),
                         qPrintable(node.objectName() + u'.' + key));
                if (key == QLatin1String("AutoRedraw")) {
                    continue; // not a property of its own
                }
                const QVariant stored = node.properties.ReadProperty(key);
                const QVariant loaded = control->property(qPrintable(key));
                QVERIFY2(
                    lx::PropertyBag::sameValue(
                        loaded.typeId() == QMetaType::Float ? QVariant(loaded.toDouble()) : loaded,
                        stored.typeId() == QMetaType::Int && loaded.typeId() == QMetaType::Float
                            ? QVariant(stored.toDouble())
                            : stored),
                    qPrintable(node.objectName() + u'.' + key + QStringLiteral(": ") +
                               lx::bag_text::valueToText(loaded)));
                ++compared;
            }
        });
        QVERIFY(compared > 60);
    }

    // The translation tools learn the form's texts only from the list beside the form.
    void everyTextOfTheFormIsListedForTranslators() {
        const QSet<QString> listed(std::begin(lx::form_texts::frmTervan),
                                   std::end(lx::form_texts::frmTervan));
        const lx::FormNode form = storedForm();
        QVERIFY(listed.contains(form.properties.ReadProperty("Caption").toString()));
        forEachNode(form, [&](const lx::FormNode& node) {
            for (const char* key : {"Caption", "ToolTipText"}) {
                const QString text = node.properties.ReadProperty(key).toString();
                QVERIFY2(text.isEmpty() || listed.contains(text), qPrintable(text));
            }
        });
    }

    void calculateByF5_data() {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F5") << int(Qt::NoModifier);
        QTest::newRow("Shift+F5") << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+F5") << int(Qt::ControlModifier);
    }
    void calculateByF5() {
        QFETCH(int, modifiers);
        typeInto(f().box("txtN1"), "10");
        typeInto(f().box("txtM1"), "5");
        typeInto(f().box("txtSD1"), "1");
        typeInto(f().box("txtN2"), "10");
        typeInto(f().box("txtM2"), "4");
        typeInto(f().box("txtSD2"), "1");
        QTest::keyClick(f().box("txtSD2"), Qt::Key_F5, Qt::KeyboardModifiers(modifiers));

        QCOMPARE(f().box("txtFreedom")->text(), QStringLiteral("18"));
        // the box is too narrow for all the digits, which stay the result
        QCOMPARE(f().form->boxText(lx::Box::Student), QStringLiteral("2.23606797749979"));
        QCOMPARE(f().box("txtStudent")->toolTip(), QStringLiteral("2.23606797749979"));
        QCOMPARE(f().box("txtP")->text(), QStringLiteral("<0.05"));
        QVERIFY(f().messages.messages.isEmpty());
        // the button was shown pressed for its moment
        QCOMPARE(f().windowSystem.sleptMilliseconds, 125);
        QTRY_VERIFY(f().box("txtN2")->hasFocus());
        QCOMPARE(f().box("txtN2")->selectedText(), QStringLiteral("10"));
    }

    void calculateByMouse() {
        fillInputs({"5", "3", "1", "5", "3", "2"});
        auto* face = f().control<QWidget>("cmdAction_0")->findChild<QWidget*>("picButton");
        QTest::mouseClick(face, Qt::LeftButton);
        QCOMPARE(f().box("txtFreedom")->text(), QStringLiteral("8"));
        QCOMPARE(f().box("txtStudent")->text(), QStringLiteral("0"));
        QCOMPARE(f().box("txtP")->text(), QStringLiteral(">0.5"));
    }

    void missingInputIsNamed() {
        fillInputs({"1", "2", "3", "4", "5", ""});
        f().box("txtM1")->setFocus();
        QTest::keyClick(f().box("txtM1"), Qt::Key_F5);
        QCOMPARE(f().messages.messages.size(), 1);
        QCOMPARE(f().messages.messages[0].text, QStringLiteral("Please enter SD2"));
        QCOMPARE(f().messages.messages[0].title, QStringLiteral("Error!"));
        QVERIFY(f().box("txtM1")->hasFocus());
        QVERIFY(f().box("txtFreedom")->text().isEmpty());
    }

    void unusableInputGetsTheFocus() {
        fillInputs({"10", "abc", "1", "10", "4", "1"});
        f().box("txtN1")->setFocus();
        QTest::keyClick(f().box("txtN1"), Qt::Key_F5);
        QCOMPARE(f().messages.messages.size(), 1);
        QCOMPARE(f().messages.messages[0].text, QStringLiteral("M1 is not a number."));
        QTRY_VERIFY(f().box("txtM1")->hasFocus());
        QCOMPARE(f().box("txtM1")->selectedText(), QStringLiteral("abc"));
    }

    // t beyond a double: a message, and the window with what was typed stays.
    void tooLargeTKeepsTheWindowAndItsText() {
        const QStringList typed = {"1", "1E200", "1E-150", "2", "0", "1E-150"};
        fillInputs(typed);
        f().box("txtN1")->setFocus();
        QTest::keyClick(f().box("txtN1"), Qt::Key_F5);
        QCOMPARE(f().messages.messages.size(), 1);
        QCOMPARE(f().messages.messages[0].text,
                 QStringLiteral("M1 and M2 are too far apart for SD1 and SD2."));
        QVERIFY(f().form->isVisible());
        for (qsizetype i = 0; i < typed.size(); ++i) {
            QCOMPARE(f().box(allBoxes[i])->text(), typed[i]);
        }
        QVERIFY(f().box("txtStudent")->text().isEmpty());
        QTRY_VERIFY(f().box("txtM2")->hasFocus());
    }

    void escapeClearsEverything_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Esc in N1") << "txtN1" << int(Qt::NoModifier);
        QTest::newRow("Ctrl+Esc in SD2") << "txtSD2" << int(Qt::ControlModifier);
        QTest::newRow("Esc in a result box") << "txtP" << int(Qt::NoModifier);
    }
    void escapeClearsEverything() {
        QFETCH(QString, focus);
        QFETCH(int, modifiers);
        for (const QString& name : allBoxes) {
            f().box(name)->setText(QStringLiteral("x"));
        }
        f().box(focus)->setFocus();
        QTRY_VERIFY(f().box(focus)->hasFocus());
        QTest::keyClick(f().box(focus), Qt::Key_Escape, Qt::KeyboardModifiers(modifiers));
        for (const QString& name : allBoxes) {
            QVERIFY2(f().box(name)->text().isEmpty(), qPrintable(name));
        }
        QVERIFY(f().box(focus)->hasFocus());
    }

    void typingKeepsCharactersButNotEditingKeys() {
        QLineEdit* n1 = f().box("txtN1");
        typeInto(n1, "12a");
        QCOMPARE(n1->text(), QStringLiteral("12a"));
        n1->setCursorPosition(0);
        QTest::keyClick(n1, Qt::Key_Delete);
        QTest::keyClick(n1, Qt::Key_Right);
        QCOMPARE(n1->text(), QStringLiteral("12a"));
        QCOMPARE(n1->cursorPosition(), 0);
    }

    void tabOrderFollowsTheForm() {
        QStringList visited;
        QWidget* current = f().box("txtN1");
        current->setFocus();
        QTRY_VERIFY(current->hasFocus());
        for (int step = 0; step < 13; ++step) {
            QWidget* owner = current->objectName() == QLatin1String("picButton")
                                 ? current->parentWidget()
                                 : current;
            visited.append(owner->objectName());
            QTest::keyClick(current, Qt::Key_Tab);
            current = QApplication::focusWidget();
            QVERIFY(current);
        }
        QCOMPARE(visited, (QStringList{"txtN1", "txtM1", "txtSD1", "txtN2", "txtM2", "txtSD2",
                                       "txtFreedom", "txtStudent", "txtP", "cmdAction_0",
                                       "cmdAction_1", "cmdAction_2", "cmdAction_3"}));
    }

    void focusSelectsInputText() {
        f().box("txtM1")->setText(QStringLiteral("123"));
        QTest::keyClick(f().box("txtN1"), Qt::Key_Tab);
        QTRY_VERIFY(f().box("txtM1")->hasFocus());
        QCOMPARE(f().box("txtM1")->selectedText(), QStringLiteral("123"));
    }

    void onTopTwice() {
        auto* face = f().control<QWidget>("cmdAction_2")->findChild<QWidget*>("picButton");
        auto* onTop = f().control<lx::LxOnTop>("lxpOnTop");
        QTest::mouseClick(face, Qt::LeftButton);
        QVERIFY(onTop->OnTop());
        QCOMPARE(f().windowSystem.topmost.value(f().form.get()), true);
        QTest::mouseClick(face, Qt::LeftButton);
        QVERIFY(!onTop->OnTop());
        QCOMPARE(f().windowSystem.topmost.value(f().form.get()), false);
    }

    void closingSavesTheWindowMemory() {
        f().form->close();
        f().settings->sync();
        const QSettings stored(f().settingsFile(), QSettings::IniFormat);
        const QStringList keys = stored.allKeys();
        for (const char* key : {"WindowState", "Left", "Top", "Width", "Height"}) {
            QVERIFY2(keys.filter(QLatin1String(key)).size() == 1, qPrintable(keys.join(u',')));
        }
    }

    void messagesAreRealModalBoxes() {
        f().form->hide();
        auto form = std::make_unique<lx::FrmTervan>(f().settings.get()); // its own message box
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QString seenText;
        QString seenTitle;
        QWidget* seenParent = nullptr;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seenText = box->text();
                seenTitle = box->windowTitle();
                seenParent = box->parentWidget();
                box->accept();
            }
        });
        poll.start(10);
        form->findChild<QLineEdit*>("txtN1")->setFocus();
        QTest::keyClick(form->findChild<QLineEdit*>("txtN1"), Qt::Key_F5);
        QCOMPARE(seenText, QStringLiteral("Please enter N1"));
        QCOMPARE(seenTitle, QStringLiteral("Error!"));
        QCOMPARE(seenParent, form.get());
        QVERIFY(form->isVisible()); // the program goes on
    }
};

QTEST_MAIN(TestFrmTervan)
#include "test_frm_tervan.moc"
