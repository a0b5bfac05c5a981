// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/pages/panel_page.h"
#include "controls/panel/lx_panel.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using lx::LxPanel;

namespace {

struct PanelValues {
    short alignment = 0;
    QString caption = QStringLiteral("LxPanel");
    bool panel = false;
    short docking = 0;
    short borderStyle = 1;
};

PanelValues valuesOf(const LxPanel& panel) {
    return {panel.Alignment(), panel.Caption(), panel.Panel(), panel.Docking(),
            panel.BorderStyle()};
}

void compareValues(const PanelValues& actual, const PanelValues& expected) {
    QCOMPARE(actual.alignment, expected.alignment);
    QCOMPARE(actual.caption, expected.caption);
    QCOMPARE(actual.panel, expected.panel);
    QCOMPARE(actual.docking, expected.docking);
    QCOMPARE(actual.borderStyle, expected.borderStyle);
}

std::unique_ptr<LxPanel> designTimePanel(const PanelValues& values = {}) {
    auto panel = std::make_unique<LxPanel>();
    panel->setUserMode(false);
    panel->InitProperties();
    panel->setAlignment(values.alignment);
    panel->setCaption(values.caption);
    panel->setPanel(values.panel);
    panel->setDocking(values.docking);
    panel->setBorderStyle(values.borderStyle);
    return panel;
}

// The user picks an entry with the keyboard, which activates the list.
void choose(QComboBox* list, int index) {
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
}

void click(QCheckBox* box) {
    QTest::keyClick(box, Qt::Key_Space);
}

} // namespace

Q_DECLARE_METATYPE(PanelValues)

class TestPanelPage : public QObject {
    Q_OBJECT

    std::unique_ptr<LxPanel> m_panel;
    std::unique_ptr<lx::PanelPage> m_page;

    template <typename Editor> Editor* editor(const char* name) const {
        auto* found = m_page->findChild<Editor*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no editor %s", name);
        }
        return found;
    }
    void load(const PanelValues& values = {}) {
        m_panel = designTimePanel(values);
        m_page->setSelectedControls({m_panel.get()});
    }

private slots:
    void init() { m_page = std::make_unique<lx::PanelPage>(); }
    void cleanup() {
        m_page.reset();
        m_panel.reset();
    }

    void panelHasEveryEditedProperty() {
        LxPanel panel;
        for (const char* name : {"Panel", "Caption", "Alignment", "Docking", "BorderStyle"}) {
            QVERIFY2(panel.metaObject()->indexOfProperty(name) >= 0, name);
        }
    }

    void pageLayout_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRectF>("twips");
        QTest::newRow("chkBorder") << "QCheckBox"
                                   << "Border" << QRectF(3285, 135, 2700, 285);
        QTest::newRow("cboDocking") << "QComboBox"
                                    << "" << QRectF(45, 2925, 2715, 315);
        QTest::newRow("cboAlignment") << "QComboBox"
                                      << "" << QRectF(90, 1935, 2715, 315);
        QTest::newRow("txtCaption") << "QLineEdit"
                                    << "" << QRectF(90, 1020, 2700, 330);
        QTest::newRow("chkPanel") << "QCheckBox"
                                  << "Panel" << QRectF(90, 120, 2700, 285);
        QTest::newRow("lblAlignment_1") << "QLabel"
                                        << "Panel Docking:" << QRectF(45, 2655, 2700, 240);
        QTest::newRow("lblAlignment_0") << "QLabel"
                                        << "Caption Alignment:" << QRectF(90, 1665, 2700, 240);
        QTest::newRow("lblCaption") << "QLabel"
                                    << "Caption:" << QRectF(90, 770, 2700, 240);
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
        QCOMPARE(m_page->size(), QSize(416, 233));
        QCOMPARE(m_page->Caption(), QStringLiteral("Panel"));
    }

    void tabGoesThroughTheEditorsInOrder() {
        const QStringList expected = {"chkPanel", "txtCaption", "cboAlignment", "cboDocking",
                                      "chkBorder"};
        QStringList order;
        QWidget* widget = editor<QWidget>("chkPanel");
        do {
            if (expected.contains(widget->objectName())) {
                order.append(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget->objectName() != QStringLiteral("chkPanel"));
        QCOMPARE(order, expected);
    }

    void dockingListMapsIndexToCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const char* const texts[] = {"0 - None ",        "1 - Left-Top",    "2 - Center-Top",
                                     "3 - Right-Top",    "4 - Left-Middle", "5 - Center-Middle",
                                     "6 - Right-Middle", "7 - Left-Bottom", "8 - Center-Bottom",
                                     "9 - Right-Bottom"};
        for (int code = 0; code < 10; ++code) {
            QTest::newRow(texts[code]) << code << QString::fromLatin1(texts[code]);
        }
    }
    void dockingListMapsIndexToCode() {
        QFETCH(int, code);
        QFETCH(QString, text);
        auto* list = editor<QComboBox>("cboDocking");
        QCOMPARE(list->count(), 10);
        QVERIFY(!list->isEditable());
        load({0, QStringLiteral("LxPanel"), false, short(code), 1});
        QCOMPARE(list->currentText(), text);
        load({0, QStringLiteral("LxPanel"), false, short(9 - code), 1});
        choose(list, code);
        QCOMPARE(list->currentText(), text);
        QVERIFY(m_page->Apply());
        QCOMPARE(m_panel->Docking(), short(code));
    }

    void alignmentListMapsIndexToCode_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const char* const texts[] = {"0 - Left-Top",    "1 - Center-Top",    "2 - Right-Top",
                                     "3 - Left-Middle", "4 - Center-Middle", "5 - Right-Middle",
                                     "6 - Left-Bottom", "7 - Center-Bottom", "8 - Right-Bottom"};
        for (int code = 0; code < 9; ++code) {
            QTest::newRow(texts[code]) << code << QString::fromLatin1(texts[code]);
        }
    }
    void alignmentListMapsIndexToCode() {
        QFETCH(int, code);
        QFETCH(QString, text);
        auto* list = editor<QComboBox>("cboAlignment");
        QCOMPARE(list->count(), 9);
        QVERIFY(!list->isEditable());
        load({short(code), QStringLiteral("LxPanel"), false, 0, 1});
        QCOMPARE(list->currentText(), text);
        load({short(8 - code), QStringLiteral("LxPanel"), false, 0, 1});
        choose(list, code);
        QVERIFY(m_page->Apply());
        QCOMPARE(m_panel->Alignment(), short(code));
    }

    void loadShowsThePanel() {
        load({4, QStringLiteral("Menu"), true, 0, 0});
        QCOMPARE(editor<QComboBox>("cboAlignment")->currentIndex(), 4);
        QCOMPARE(editor<QLineEdit>("txtCaption")->text(), QStringLiteral("Menu"));
        QVERIFY(editor<QCheckBox>("chkPanel")->isChecked());
        QCOMPARE(editor<QComboBox>("cboDocking")->currentText(), QStringLiteral("0 - None "));
        QVERIFY(!editor<QCheckBox>("chkBorder")->isChecked());
        QVERIFY(!m_page->Changed());
    }

    void applyWithoutEditWritesTheSameValues_data() {
        QTest::addColumn<PanelValues>("values");
        QTest::newRow("new instance") << PanelValues{};
        QTest::newRow("3D panel docked, no border")
            << PanelValues{8, QStringLiteral("Box"), true, 9, 0};
        QTest::newRow("empty caption") << PanelValues{0, {}, false, 0, 1};
        QTest::newRow("alignment beyond the list")
            << PanelValues{12, QStringLiteral("A"), false, 0, 1};
        QTest::newRow("negative alignment") << PanelValues{-1, QStringLiteral("A"), false, 0, 1};
        QTest::newRow("docking beyond the list")
            << PanelValues{0, QStringLiteral("A"), false, 10, 1};
        QTest::newRow("border style 2") << PanelValues{0, QStringLiteral("A"), true, 0, 2};
        QTest::newRow("negative border style") << PanelValues{0, QStringLiteral("A"), true, 0, -3};
    }
    void applyWithoutEditWritesTheSameValues() {
        QFETCH(PanelValues, values);
        load(values);
        QSignalSpy changed(m_panel.get(), &lx::Control::PropertyChanged);
        QVERIFY(m_page->Apply());
        compareValues(valuesOf(*m_panel), values);
        QStringList keys;
        for (const QList<QVariant>& signal : changed) {
            keys.append(signal.first().toString());
        }
        QCOMPARE(keys, QStringList({"Alignment", "Caption", "Panel", "Docking", "BorderStyle"}));
    }

    void valuesTheEditorsCannotShow_data() {
        QTest::addColumn<short>("borderStyle");
        QTest::addColumn<Qt::CheckState>("shown");
        QTest::newRow("border style 2 greyed") << short(2) << Qt::PartiallyChecked;
        QTest::newRow("border style 5 unchecked") << short(5) << Qt::Unchecked;
    }
    void valuesTheEditorsCannotShow() {
        QFETCH(short, borderStyle);
        load({12, QStringLiteral("A"), false, -2, borderStyle});
        QCOMPARE(editor<QComboBox>("cboAlignment")->currentIndex(), -1);
        QCOMPARE(editor<QComboBox>("cboDocking")->currentIndex(), -1);
        QTEST(editor<QCheckBox>("chkBorder")->checkState(), "shown");
        load({0, QStringLiteral("A"), false, 0, 1}); // the next panel shows plainly again
        QCOMPARE(editor<QCheckBox>("chkBorder")->checkState(), Qt::Checked);
    }

    void borderStyleTheBoxCannotShowFollowsTheUser_data() {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<short>("written");
        QTest::newRow("left alone") << 0 << short(2);
        QTest::newRow("checked") << 1 << short(1);
        QTest::newRow("checked and unchecked") << 2 << short(0);
        QTest::newRow("never greyed again") << 3 << short(1);
    }
    void borderStyleTheBoxCannotShowFollowsTheUser() {
        QFETCH(int, clicks);
        QFETCH(short, written);
        load({0, QStringLiteral("A"), false, 0, 2});
        for (int i = 0; i < clicks; ++i) {
            click(editor<QCheckBox>("chkBorder"));
        }
        QVERIFY(m_page->Apply());
        QCOMPARE(m_panel->BorderStyle(), written);
    }

    void editsAreWritten() {
        load();
        choose(editor<QComboBox>("cboAlignment"), 5);
        auto* caption = editor<QLineEdit>("txtCaption");
        caption->selectAll();
        QTest::keyClicks(caption, QStringLiteral("Tools"));
        click(editor<QCheckBox>("chkPanel"));
        choose(editor<QComboBox>("cboDocking"), 2);
        click(editor<QCheckBox>("chkBorder"));
        QVERIFY(m_page->Apply());
        compareValues(valuesOf(*m_panel), {5, QStringLiteral("Tools"), true, 2, 0});
    }

    void severalSelectedChangeOnlyTheFirst() {
        auto first = designTimePanel({0, QStringLiteral("First"), false, 0, 1});
        auto second = designTimePanel({3, QStringLiteral("Second"), true, 4, 0});
        m_page->setSelectedControls({first.get(), second.get()});
        QCOMPARE(editor<QLineEdit>("txtCaption")->text(), QStringLiteral("First"));
        click(editor<QCheckBox>("chkPanel"));
        choose(editor<QComboBox>("cboAlignment"), 7);
        QVERIFY(m_page->Apply());
        QVERIFY(first->Panel());
        QCOMPARE(first->Alignment(), short(7));
        compareValues(valuesOf(*second), {3, QStringLiteral("Second"), true, 4, 0});
    }

    void checkBoxClickMarksChanged_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Panel") << "chkPanel";
        QTest::newRow("Border") << "chkBorder";
    }
    void checkBoxClickMarksChanged() {
        QFETCH(QString, name);
        load();
        QSignalSpy spy(m_page.get(), &lx::PropertyPage::ChangedStateChanged);
        click(editor<QCheckBox>(name.toLatin1()));
        QVERIFY(m_page->Changed());
        QCOMPARE(spy.count(), 1);
    }

    void listChoiceMarksChanged_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("alignment") << "cboAlignment";
        QTest::newRow("docking") << "cboDocking";
    }
    void listChoiceMarksChanged() {
        QFETCH(QString, name);
        load();
        QTest::keyClick(editor<QComboBox>(name.toLatin1()), Qt::Key_Down);
        QVERIFY(m_page->Changed());
    }

    void typingMarksChanged() {
        load();
        QTest::keyClicks(editor<QLineEdit>("txtCaption"), QStringLiteral("s"));
        QVERIFY(m_page->Changed());
    }

    void panelLaysItselfOutAfterApply() {
        load();
        const QWidget* label = m_panel->findChild<QWidget*>(QStringLiteral("lblCaption"));
        const QPoint topLeft = label->pos();
        QVERIFY(!m_panel->lines().linLeftBorder.Visible);
        choose(editor<QComboBox>("cboAlignment"), 8);
        click(editor<QCheckBox>("chkPanel"));
        QVERIFY(m_page->Apply());
        QVERIFY(label->x() > topLeft.x() + m_panel->width() / 2);
        QVERIFY(label->y() > topLeft.y() + m_panel->height() / 2);
        QVERIFY(m_panel->lines().linLeftBorder.Visible);
    }
};

QTEST_MAIN(TestPanelPage)
#include "test_panel_page.moc"
