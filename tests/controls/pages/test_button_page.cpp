// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button/lx_button.h"
#include "controls/pages/button_page.h"
#include "platform/twips.h"
#include "support/recording_message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using lx::LxButton;
using lx::test::RecordingMessageBox;

namespace {

const char* const EditedProperties[] = {"Value",   "Switch",       "Alignment",  "DELTA",
                                        "Caption", "MousePointer", "ToolTipText"};

struct ButtonValues {
    bool value = false;
    bool switchMode = false;
    short alignment = 0;
    short delta = 45;
    QString caption = QStringLiteral("LxButton");
    short mousePointer = 0;
    QString toolTip;
};

ButtonValues valuesOf(const LxButton& button) {
    return {button.Value(),   button.Switch(),       button.Alignment(),  button.DELTA(),
            button.Caption(), button.MousePointer(), button.ToolTipText()};
}

void compareValues(const ButtonValues& actual, const ButtonValues& expected) {
    QCOMPARE(actual.value, expected.value);
    QCOMPARE(actual.switchMode, expected.switchMode);
    QCOMPARE(actual.alignment, expected.alignment);
    QCOMPARE(actual.delta, expected.delta);
    QCOMPARE(actual.caption, expected.caption);
    QCOMPARE(actual.mousePointer, expected.mousePointer);
    QCOMPARE(actual.toolTip, expected.toolTip);
}

// The user picks an entry with the keyboard, which activates the list.
void choose(QComboBox* list, int index) {
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
}

void retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace

Q_DECLARE_METATYPE(ButtonValues)

class TestButtonPage : public QObject {
    Q_OBJECT

    RecordingMessageBox m_messages;
    std::unique_ptr<LxButton> m_button;
    std::unique_ptr<lx::ButtonPage> m_page;

    template <typename Editor> Editor* editor(const char* name) const {
        auto* found = m_page->findChild<Editor*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no editor %s", name);
        }
        return found;
    }
    static std::unique_ptr<LxButton> designTimeButton(const ButtonValues& values = {}) {
        auto button = std::make_unique<LxButton>();
        button->setUserMode(false);
        button->InitProperties();
        button->setValue(values.value);
        button->setSwitch(values.switchMode);
        button->setAlignment(values.alignment);
        button->setDELTA(values.delta);
        button->setCaption(values.caption);
        button->setMousePointer(values.mousePointer);
        button->setToolTipText(values.toolTip);
        return button;
    }
    void load(const ButtonValues& values = {}) {
        m_button = designTimeButton(values);
        m_page->setSelectedControls({m_button.get()});
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() {
        m_messages.messages.clear();
        m_page = std::make_unique<lx::ButtonPage>();
        m_page->setMessageBox(m_messages);
    }
    void cleanup() {
        m_page.reset();
        m_button.reset();
    }

    void buttonHasEveryEditedProperty() {
        LxButton button;
        for (const char* name : EditedProperties) {
            QVERIFY2(button.metaObject()->indexOfProperty(name) >= 0, name);
        }
    }

    void pageLayout_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRectF>("twips");
        QTest::newRow("chkValue") << "QCheckBox"
                                  << "Value" << QRectF(3000, 770, 2700, 285);
        QTest::newRow("chkSwitch") << "QCheckBox"
                                   << "Switch" << QRectF(3000, 120, 2700, 285);
        QTest::newRow("txtToolTopText") << "QLineEdit"
                                        << "" << QRectF(90, 2970, 2700, 330);
        QTest::newRow("cboMouse") << "QComboBox"
                                  << "" << QRectF(90, 405, 2700, 315);
        QTest::newRow("txtAlignment") << "QLineEdit"
                                      << "" << QRectF(90, 2320, 2700, 330);
        QTest::newRow("txtDelta") << "QLineEdit"
                                  << "" << QRectF(90, 1670, 2700, 330);
        QTest::newRow("txtCaption") << "QLineEdit"
                                    << "" << QRectF(90, 1020, 2700, 330);
        QTest::newRow("lblMousePointer_1") << "QLabel"
                                           << "Tool tip text:" << QRectF(90, 2720, 2700, 240);
        QTest::newRow("lblAlignment") << "QLabel"
                                      << "Alignment:" << QRectF(90, 2070, 2700, 240);
        QTest::newRow("lblDelta") << "QLabel"
                                  << "Delta:" << QRectF(90, 1420, 2700, 240);
        QTest::newRow("lblCaption") << "QLabel"
                                    << "Caption:" << QRectF(90, 770, 2700, 240);
        QTest::newRow("lblMousePointer_0") << "QLabel"
                                           << "MousePointer:" << QRectF(90, 135, 2700, 240);
    }
    void pageLayout() {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QRectF, twips);
        auto* control = m_page->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QVERIFY(control->inherits(kind.toLatin1()));
        QCOMPARE(control->geometry(), lx::twips::toPixels(twips));
        if (auto* box = qobject_cast<QCheckBox*>(control)) {
            QCOMPARE(box->text(), caption);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), caption);
        }
    }

    void clientAreaAndCaption() {
        QCOMPARE(m_page->size(), QSize(395, 233));
        QCOMPARE(m_page->Caption(), QStringLiteral("Button"));
    }

    void tabGoesThroughTheEditorsInOrder() {
        const QStringList expected = {"txtCaption",     "txtDelta",  "txtAlignment", "cboMouse",
                                      "txtToolTopText", "chkSwitch", "chkValue"};
        QStringList order;
        QWidget* widget = editor<QWidget>("txtCaption");
        do {
            if (expected.contains(widget->objectName())) {
                order.append(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget->objectName() != QStringLiteral("txtCaption"));
        QCOMPARE(order, expected);
    }

    void mouseList_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        const char* const texts[] = {"0 - Default",
                                     "1 - Arrow",
                                     "2 - Cross",
                                     "3 - I-Beam",
                                     "4 - Icon",
                                     "5 - Size",
                                     "6 - Size NE SW",
                                     "7 - Size N S",
                                     "8 - Size NW SE",
                                     "9 - Size W W",
                                     "10 - Up Arrow",
                                     "11 - Hourglass",
                                     "12 - No Drop",
                                     "13 - Arrow and Hourglass",
                                     "14 - Arrow and Question",
                                     "15 - Size All"};
        for (int i = 0; i < 16; ++i) {
            QTest::newRow(texts[i]) << i << QString::fromLatin1(texts[i]) << i;
        }
        QTest::newRow("99 - Custom") << 16 << "99 - Custom" << 99;
    }
    void mouseList() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(int, code);
        auto* list = editor<QComboBox>("cboMouse");
        QCOMPARE(list->count(), 17);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->itemText(index), text);
        QCOMPARE(list->itemData(index).toInt(), code);
    }

    void loadShowsTheButton() {
        load({true, false, 2, -7, QStringLiteral("&Run"), 11, QStringLiteral("Runs it")});
        QVERIFY(editor<QCheckBox>("chkValue")->isChecked());
        QVERIFY(!editor<QCheckBox>("chkSwitch")->isChecked());
        QCOMPARE(editor<QLineEdit>("txtAlignment")->text(), QStringLiteral("2"));
        QCOMPARE(editor<QLineEdit>("txtDelta")->text(), QStringLiteral("-7"));
        QCOMPARE(editor<QLineEdit>("txtCaption")->text(), QStringLiteral("&Run"));
        QCOMPARE(editor<QLineEdit>("txtToolTopText")->text(), QStringLiteral("Runs it"));
        QCOMPARE(editor<QComboBox>("cboMouse")->currentText(), QStringLiteral("11 - Hourglass"));
        QVERIFY(!m_page->Changed());
    }

    void applyWithoutEditWritesTheSameValues_data() {
        QTest::addColumn<ButtonValues>("values");
        QTest::newRow("new instance") << ButtonValues{};
        QTest::newRow("switch on, custom pointer")
            << ButtonValues{true, true, 1, 90, QStringLiteral("On top"), 99, QStringLiteral("x")};
        QTest::newRow("extreme numbers") << ButtonValues{false, true, -32768, 32767, {}, 15, {}};
        QTest::newRow("pointer 16 has no entry") << ButtonValues{false, false, 0, 45, {}, 16, {}};
        QTest::newRow("pointer 98 has no entry") << ButtonValues{false, false, 0, 45, {}, 98, {}};
        QTest::newRow("pointer above 99") << ButtonValues{false, false, 0, 45, {}, 120, {}};
        QTest::newRow("negative pointer") << ButtonValues{false, false, 0, 45, {}, -1, {}};
    }
    void applyWithoutEditWritesTheSameValues() {
        QFETCH(ButtonValues, values);
        load(values);
        QSignalSpy changed(m_button.get(), &lx::Control::PropertyChanged);
        QVERIFY(m_page->Apply());
        compareValues(valuesOf(*m_button), values);
        // Every property went through its setter, in the page's order.
        QStringList keys;
        for (const QList<QVariant>& signal : changed) {
            keys.append(signal.first().toString());
        }
        QCOMPARE(keys, QStringList({"Value", "Switch", "Alignment", "Delta", "Caption",
                                    "MousePointer", "ToolTipText"}));
        QVERIFY(m_messages.messages.isEmpty());
    }

    void pointerWithoutEntryShowsNoSelection() {
        load({false, false, 0, 45, {}, 40, {}});
        QCOMPARE(editor<QComboBox>("cboMouse")->currentIndex(), -1);
    }

    void customPointerRoundTrip() {
        load({false, false, 0, 45, {}, 99, {}});
        auto* list = editor<QComboBox>("cboMouse");
        QCOMPARE(list->currentText(), QStringLiteral("99 - Custom"));
        choose(list, 3);
        choose(list, 16);
        QVERIFY(m_page->Changed());
        QVERIFY(m_page->Apply());
        QCOMPARE(m_button->MousePointer(), short(99));
    }

    void chosenPointerIsWritten_data() {
        QTest::addColumn<short>("loaded");
        QTest::addColumn<int>("index");
        QTest::addColumn<short>("written");
        QTest::newRow("default to hourglass") << short(0) << 11 << short(11);
        QTest::newRow("no entry to size all") << short(50) << 15 << short(15);
        QTest::newRow("above 99 to custom") << short(300) << 16 << short(99);
        QTest::newRow("custom to default") << short(99) << 0 << short(0);
    }
    void chosenPointerIsWritten() {
        QFETCH(short, loaded);
        QFETCH(int, index);
        QFETCH(short, written);
        load({false, false, 0, 45, {}, loaded, {}});
        choose(editor<QComboBox>("cboMouse"), index);
        QVERIFY(m_page->Apply());
        QCOMPARE(m_button->MousePointer(), written);
    }

    void editsAreWritten() {
        load();
        QTest::keyClick(editor<QCheckBox>("chkValue"), Qt::Key_Space);
        QTest::keyClick(editor<QCheckBox>("chkSwitch"), Qt::Key_Space);
        retype(editor<QLineEdit>("txtAlignment"), QStringLiteral("2"));
        retype(editor<QLineEdit>("txtDelta"), QStringLiteral(" 120 "));
        retype(editor<QLineEdit>("txtCaption"), QStringLiteral("&Exit"));
        retype(editor<QLineEdit>("txtToolTopText"), QStringLiteral("Ends it"));
        QVERIFY(m_page->Apply());
        compareValues(valuesOf(*m_button),
                      {true, true, 2, 120, QStringLiteral("&Exit"), 0, QStringLiteral("Ends it")});
    }

    void severalSelectedChangeOnlyTheFirst() {
        auto first = designTimeButton({false, false, 0, 45, QStringLiteral("First"), 0, {}});
        auto second = designTimeButton({false, false, 1, 60, QStringLiteral("Second"), 2, {}});
        m_page->setSelectedControls({first.get(), second.get()});
        QCOMPARE(editor<QLineEdit>("txtCaption")->text(), QStringLiteral("First"));
        retype(editor<QLineEdit>("txtCaption"), QStringLiteral("Changed"));
        QTest::keyClick(editor<QCheckBox>("chkValue"), Qt::Key_Space);
        QVERIFY(m_page->Apply());
        QCOMPARE(first->Caption(), QStringLiteral("Changed"));
        QVERIFY(first->Value());
        compareValues(valuesOf(*second), {false, false, 1, 60, QStringLiteral("Second"), 2, {}});
    }

    void checkBoxClickMarksChanged_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Value") << "chkValue";
        QTest::newRow("Switch") << "chkSwitch";
    }
    void checkBoxClickMarksChanged() {
        QFETCH(QString, name);
        load();
        QSignalSpy spy(m_page.get(), &lx::PropertyPage::ChangedStateChanged);
        QTest::keyClick(editor<QCheckBox>(name.toLatin1()), Qt::Key_Space);
        QVERIFY(m_page->Changed());
        QCOMPARE(spy.count(), 1);
    }

    void typingMarksChanged_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("tool tip") << "txtToolTopText";
        QTest::newRow("alignment") << "txtAlignment";
        QTest::newRow("delta") << "txtDelta";
        QTest::newRow("caption") << "txtCaption";
    }
    void typingMarksChanged() {
        QFETCH(QString, name);
        load();
        QTest::keyClicks(editor<QLineEdit>(name.toLatin1()), QStringLiteral("1"));
        QVERIFY(m_page->Changed());
    }

    void choosingAPointerMarksChanged() {
        load();
        QTest::keyClick(editor<QComboBox>("cboMouse"), Qt::Key_Down);
        QVERIFY(m_page->Changed());
    }

    void badNumberTextAppliesNothing_data() {
        QTest::addColumn<QString>("editorName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("alignment not a number") << "txtAlignment"
                                                << "left"
                                                << "Alignment";
        QTest::newRow("alignment empty") << "txtAlignment"
                                         << ""
                                         << "Alignment";
        QTest::newRow("alignment fraction") << "txtAlignment"
                                            << "1.5"
                                            << "Alignment";
        QTest::newRow("alignment too large") << "txtAlignment"
                                             << "32768"
                                             << "Alignment";
        QTest::newRow("delta too small") << "txtDelta"
                                         << "-32769"
                                         << "Delta";
        QTest::newRow("delta huge") << "txtDelta"
                                    << "1e400"
                                    << "Delta";
        QTest::newRow("delta two numbers") << "txtDelta"
                                           << "4 5"
                                           << "Delta";
    }
    void badNumberTextAppliesNothing() {
        QFETCH(QString, editorName);
        QFETCH(QString, text);
        QFETCH(QString, named);
        const ButtonValues loaded{false, false, 1, 45, QStringLiteral("Keep"), 3, {}};
        load(loaded);
        QTest::keyClick(editor<QCheckBox>("chkValue"), Qt::Key_Space);
        retype(editor<QLineEdit>("txtCaption"), QStringLiteral("Lost"));
        retype(editor<QLineEdit>(editorName.toLatin1()), text);
        QVERIFY(!m_page->Apply());
        compareValues(valuesOf(*m_button), loaded);
        QVERIFY(m_page->Changed());
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY(m_messages.messages.first().text.startsWith(named));
        QCOMPARE(m_messages.messages.first().title, QStringLiteral("Button"));
    }

    void wholeNumberText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<short>("delta");
        QTest::newRow("blanks around") << " 60 " << short(60);
        QTest::newRow("zero fraction") << "60.0" << short(60);
        QTest::newRow("plus sign") << "+8" << short(8);
        QTest::newRow("smallest") << "-32768" << short(-32768);
    }
    void wholeNumberText() {
        QFETCH(QString, text);
        QFETCH(short, delta);
        load();
        retype(editor<QLineEdit>("txtDelta"), text);
        QVERIFY(m_page->Apply());
        QCOMPARE(m_button->DELTA(), delta);
    }

    void numbersFollowTheUsersLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        load({false, false, 0, 1200, {}, 0, {}});
        const QString shown = editor<QLineEdit>("txtDelta")->text();
        retype(editor<QLineEdit>("txtAlignment"), QStringLiteral("2,0"));
        const bool applied = m_page->Apply();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(shown, QStringLiteral("1200"));
        QVERIFY(applied);
        QCOMPARE(m_button->Alignment(), short(2));
        QCOMPARE(m_button->DELTA(), short(1200));
    }

    void runningButtonRefusesWithoutCrashing() {
        load();
        m_button->setUserMode(true);
        QTest::keyClick(editor<QCheckBox>("chkSwitch"), Qt::Key_Space);
        QVERIFY(!m_page->Apply());
        QVERIFY(!m_button->Switch());
        QCOMPARE(m_messages.messages.size(), 1);
    }
};

QTEST_MAIN(TestButtonPage)
#include "test_button_page.moc"
