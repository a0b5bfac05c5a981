// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/panel/lx_panel.h"
#include "platform/form.h"

#include <QLineEdit>
#include <QTest>
#include <functional>

using lx::Control;
using lx::Form;
using lx::LxPanel;

namespace {

// A control of someone else's with an ID property of its own.
class NumberedControl : public Control {
    Q_OBJECT
    Q_PROPERTY(int ID READ ID)
public:
    using IdSource = std::function<int()>;
    NumberedControl(QWidget* parent, IdSource id)
        : Control(parent)
        , m_id(std::move(id)) {}
    int ID() const { return m_id(); }

private:
    IdSource m_id;
};

// A form at a client size that is whole pixels, holding the panel first.
struct DockingForm {
    Form form;
    LxPanel* panel;

    // inFrame puts the panel in a frame on the form instead of on the form.
    explicit DockingForm(short docking, bool inFrame = false)
        : panel(new LxPanel(inFrame ? new QWidget(&form) : &form)) {
        form.setObjectName(QStringLiteral("frmTest"));
        if (inFrame) {
            panel->parentWidget()->setGeometry(0, 0, 400, 267);
        }
        form.setClientSize(6000, 4005);
        panel->InitProperties();
        panel->Move(300, 300, 2000, 400);
        panel->setDocking(docking);
        form.addControl(panel);
    }
    void show() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    void resizeClient(float width, float height) {
        form.setClientSize(width, height);
        QTRY_COMPARE(form.ScaleWidth(), width);
        QTRY_COMPARE(form.ScaleHeight(), height);
    }
};

} // namespace

class TestPanelDocking : public QObject {
    Q_OBJECT
private slots:
    void firstShowDocksAndEveryResizeRedocks_data() {
        QTest::addColumn<short>("docking");
        QTest::addColumn<float>("shownLeft");
        QTest::addColumn<float>("shownTop");
        QTest::addColumn<float>("resizedLeft");
        QTest::addColumn<float>("resizedTop");
        // Client 6000 x 4005 when shown, 7500 x 3000 after the resize; panel
        // 2000 x 400.
        QTest::newRow("1 left-top") << short{1} << 0.0f << 0.0f << 0.0f << 0.0f;
        QTest::newRow("2 center-top") << short{2} << 2000.0f << 0.0f << 2750.0f << 0.0f;
        QTest::newRow("5 center-middle keeps the half")
            << short{5} << 2000.0f << 1802.5f << 2750.0f << 1300.0f;
        QTest::newRow("6 right-middle") << short{6} << 4000.0f << 1802.5f << 5500.0f << 1300.0f;
        QTest::newRow("9 right-bottom") << short{9} << 4000.0f << 3605.0f << 5500.0f << 2600.0f;
    }
    void firstShowDocksAndEveryResizeRedocks() {
        QFETCH(short, docking);
        QFETCH(float, shownLeft);
        QFETCH(float, shownTop);
        QFETCH(float, resizedLeft);
        QFETCH(float, resizedTop);
        DockingForm f(docking);
        f.show();
        QCOMPARE(f.panel->Left(), shownLeft);
        QCOMPARE(f.panel->Top(), shownTop);
        f.resizeClient(7500, 3000);
        QTRY_COMPARE(f.panel->Left(), resizedLeft);
        QCOMPARE(f.panel->Top(), resizedTop);
        QCOMPARE(f.panel->Width(), 2000.0f);
        QCOMPARE(f.panel->Height(), 400.0f);
    }

    void noDockingCodeNeverMoves_data() {
        QTest::addColumn<short>("docking");
        QTest::newRow("0") << short{0};
        QTest::newRow("10") << short{10};
        QTest::newRow("-1") << short{-1};
    }
    void noDockingCodeNeverMoves() {
        QFETCH(short, docking);
        DockingForm f(docking);
        f.show();
        f.resizeClient(7500, 3000);
        f.resizeClient(4500, 6000);
        QCOMPARE(f.panel->Left(), 300.0f);
        QCOMPARE(f.panel->Top(), 300.0f);
    }

    void dockingChangeWaitsForTheFormsResize() {
        DockingForm f(0);
        f.show();
        f.panel->setDocking(9);
        QCOMPARE(f.panel->Left(), 300.0f);
        QCOMPARE(f.panel->Top(), 300.0f);
        f.resizeClient(7500, 3000);
        QTRY_COMPARE(f.panel->Left(), 5500.0f);
        QCOMPARE(f.panel->Top(), 2600.0f);
    }

    void dockingWorksWithAnyCaptionPosition() {
        DockingForm f(3);
        f.panel->setAlignment(4);
        f.show();
        QCOMPARE(f.panel->Left(), 4000.0f);
        QCOMPARE(f.panel->Top(), 0.0f);
    }

    void neighboursAreNeverTouched() {
        DockingForm f(5);
        auto* plain = new QLineEdit(&f.form);
        plain->setGeometry(10, 10, 100, 20);
        auto* other = new NumberedControl(&f.form, [] { return 42; });
        other->Move(150, 1500, 900, 300);
        // Carries whatever number the panel draws, as a second panel drawing
        // in the same instant would.
        auto* lookalike = new NumberedControl(&f.form, [p = f.panel] { return p->ID(); });
        lookalike->Move(3000, 3000, 600, 450);
        auto* otherPanel = new LxPanel(&f.form);
        otherPanel->Move(4500, 150, 1200, 600);
        otherPanel->setDocking(1);
        otherPanel->hide(); // never shown, so it never docks itself
        for (QWidget* w : {static_cast<QWidget*>(plain), static_cast<QWidget*>(other),
                           static_cast<QWidget*>(lookalike), static_cast<QWidget*>(otherPanel)}) {
            f.form.addControl(w);
        }
        const QRect plainBefore = plain->geometry();
        f.show();
        f.resizeClient(7500, 3000);
        QTRY_COMPARE(f.panel->Left(), 2750.0f);

        QCOMPARE(plain->geometry(), plainBefore);
        QCOMPARE(QRectF(other->Left(), other->Top(), other->Width(), other->Height()),
                 QRectF(150, 1500, 900, 300));
        QCOMPARE(
            QRectF(lookalike->Left(), lookalike->Top(), lookalike->Width(), lookalike->Height()),
            QRectF(3000, 3000, 600, 450));
        QCOMPARE(QRectF(otherPanel->Left(), otherPanel->Top(), otherPanel->Width(),
                        otherPanel->Height()),
                 QRectF(4500, 150, 1200, 600));
    }

    void panelOffTheFormDoesNotDock() {
        DockingForm f(5, true);
        f.show();
        f.resizeClient(7500, 3000);
        QCOMPARE(f.panel->Left(), 300.0f);
        QCOMPARE(f.panel->Top(), 300.0f);
        QVERIFY(f.panel->ID() >= 0 && f.panel->ID() < 1000000000);
    }

    void panelNotAmongTheFormsControlsDoesNotDock() {
        Form form;
        form.setClientSize(6000, 4005);
        auto* panel = new LxPanel(&form);
        panel->Move(300, 300, 2000, 400);
        panel->setDocking(5);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setClientSize(7500, 3000);
        QTRY_COMPARE(form.ScaleWidth(), 7500.0f);
        QCOMPARE(panel->Left(), 300.0f);
        QCOMPARE(panel->Top(), 300.0f);
    }

    void runTimeShowDrawsAFreshID() {
        DockingForm f(0);
        f.panel->setID(123);
        auto* second = new LxPanel(&f.form);
        second->setID(123);
        f.form.addControl(second);
        f.show();
        QVERIFY(f.panel->ID() != 123);
        QVERIFY(f.panel->ID() >= 0 && f.panel->ID() < 1000000000);
        // Panels shown together still draw apart.
        QVERIFY(second->ID() != f.panel->ID());
        const int drawn = f.panel->ID();
        f.form.hide();
        f.form.show();
        QCOMPARE(f.panel->ID(), drawn);
    }

    void designTimeShowNeitherDocksNorDrawsID() {
        DockingForm f(5);
        f.panel->setUserMode(false);
        f.panel->setID(123);
        f.show();
        f.resizeClient(7500, 3000);
        QCOMPARE(f.panel->ID(), 123);
        QCOMPARE(f.panel->Left(), 300.0f);
        QCOMPARE(f.panel->Top(), 300.0f);
    }
};

QTEST_MAIN(TestPanelDocking)
#include "test_panel_docking.moc"
