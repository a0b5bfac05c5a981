// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pane host through a pane of its own that the program does not ship: one that shows the
// degrees of freedom. Adding it took the class below, one row of the host's table and one
// switch in the form file; everything else a pane does comes from the host.
#include "app/form_loader.h"
#include "app/last_calculation.h"
#include "app/pane_host.h"
#include "app/stale_look.h"
#include "app/window_settings.h"
#include "controls/button/lx_button.h"
#include "platform/form.h"
#include "platform/form_file.h"
#include "platform/settings_store.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lx;

namespace {

// The fifth pane: the last calculation's df, under the calculator.
class DfPane : public Pane {
public:
    explicit DfPane(QWidget* parent)
        : Pane(parent)
        , m_df(new QLabel(this)) {
        setObjectName(QStringLiteral("DfPane"));
        m_df->setObjectName(QStringLiteral("lblDf"));
        m_df->setFocusPolicy(Qt::StrongFocus);
        resize(200, 40);
        setFigureWidgets({m_df});
    }
    window_layout::PaneSpace space() const override {
        return {.sizeFor = [this](const QSize&) { return size(); }};
    }
    void showCalculation(LastCalculation& calculation) override {
        const Summary& s = calculation.summary();
        m_df->setText(QString::number(s.n1 + s.n2 - 2));
        ++shown;
    }
    void clear() override { m_df->clear(); }
    void copy() override {}
    QWidget* focusOnShow() const override { return m_df; }
    void placeInTabOrderAfter(QWidget& before) override { setTabOrder(&before, m_df); }

    QLabel* m_df;
    int shown = 0;
};

// The switch, as the form file gives it.
const char* const form = R"(Begin Form frmTest
   ClientWidth = 3000
   ClientHeight = 1500
   KeyPreview = True
   Begin TextBox txtN1
      Left = 100
      Top = 600
      Width = 900
      Height = 300
      TabIndex = 0
   End
   Begin LxButton cmdDf
      Left = 100
      Top = 45
      Width = 900
      Height = 330
      TabIndex = 1
      Caption = "df"
      Switch = True
   End
End
)";

} // namespace

class TestPaneHost : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<WindowSettings> m_settings;
    std::unique_ptr<Form> m_window;
    std::unique_ptr<LastCalculation> m_calculation;
    PaneHost* m_host = nullptr;

    void open() {
        m_window = std::make_unique<Form>();
        loadForm(*m_window, parseFormFile(QString::fromUtf8(form)));
        m_calculation = std::make_unique<LastCalculation>();
        m_host =
            new PaneHost(*m_window, *m_settings, *m_calculation,
                         *m_window->findChild<QLineEdit*>(QStringLiteral("txtN1")),
                         {{QStringLiteral("cmdDf"), QKeySequence(Qt::Key_F9), QStringLiteral("Df"),
                           [](QWidget& window) -> Pane* { return new DfPane(&window); }}});
        m_host->restore();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->findChild<QLineEdit*>(QStringLiteral("txtN1"))->setFocus();
    }
    DfPane* pane() const { return static_cast<DfPane*>(m_host->made(QStringLiteral("Df"))); }
    void pressF9() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9); }

private slots:
    void init() {
        // Each test starts with no switch remembered.
        m_store = std::make_unique<SettingsStore>(
            m_folder.filePath(QString::fromLatin1(QTest::currentTestFunction()) + ".ini"));
        m_settings = std::make_unique<WindowSettings>(*m_store, QStringLiteral("frmTest"));
    }
    void cleanup() {
        m_window.reset();
        m_calculation.reset();
    }

    // Its key switches it as the switch does: made on first use, shown with the keyboard in it,
    // remembered; hidden with the keyboard moved out.
    void keyShowsAndHides() {
        open();
        QVERIFY(!pane());
        QSignalSpy layout(m_host, &PaneHost::layoutChanged);
        QSignalSpy made(m_host, &PaneHost::paneMade);
        pressF9();
        QVERIFY(pane() && pane()->isVisible());
        QCOMPARE(made.count(), 1);
        QCOMPARE(layout.count(), 1);
        QVERIFY(m_window->findChild<LxButton*>(QStringLiteral("cmdDf"))->Value());
        QCOMPARE(QApplication::focusWidget(), pane()->m_df);
        QVERIFY(m_settings->isOn(QStringLiteral("Df")));
        pressF9();
        QVERIFY(!pane()->isVisible());
        QCOMPARE(layout.count(), 2);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtN1"));
        QVERIFY(!m_settings->isOn(QStringLiteral("Df")));
        QCOMPARE(made.count(), 1); // made once
    }

    void rememberedSwitchShowsItAtStart() {
        m_settings->setOn(QStringLiteral("Df"), true);
        open();
        QVERIFY(pane() && pane()->isVisible());
        QVERIFY(m_window->findChild<LxButton*>(QStringLiteral("cmdDf"))->Value());
    }

    // Calculations reach a shown pane, and a hidden one when it is shown; it turns grey while
    // stale, and is emptied by a clear.
    void followsTheCalculation() {
        open();
        m_calculation->set({10, 5, 1, 12, 4, 1}, {});
        pressF9();
        QCOMPARE(pane()->m_df->text(), QStringLiteral("20"));
        QCOMPARE(pane()->shown, 1);
        m_calculation->setStale(true);
        QVERIFY(pane()->isStale());
        QCOMPARE(pane()->m_df->accessibleDescription(), stale_look::description());
        m_calculation->set({3, 5, 1, 3, 4, 1}, {});
        QVERIFY(!pane()->isStale());
        QCOMPARE(pane()->m_df->text(), QStringLiteral("4"));
        pressF9(); // hidden: no calculation reaches it
        m_calculation->set({30, 5, 1, 30, 4, 1}, {});
        QCOMPARE(pane()->shown, 2);
        QCOMPARE(pane()->m_df->text(), QStringLiteral("4"));
        m_calculation->setStale(true);
        pressF9();
        QCOMPARE(pane()->m_df->text(), QStringLiteral("58"));
        QVERIFY(pane()->isStale()); // made or shown, it looks as the rest
        m_calculation->clear();
        QVERIFY(pane()->m_df->text().isEmpty());
        QVERIFY(!pane()->isStale());
    }

    // A pane made while the calculation is stale starts grey, and follows the switch in Tab.
    void madeStaleAndInTabOrder() {
        open();
        m_calculation->set({10, 5, 1, 12, 4, 1}, {});
        m_calculation->setStale(true);
        pressF9();
        QVERIFY(pane()->isStale());
        auto* face = m_window->findChild<LxButton*>(QStringLiteral("cmdDf"))
                         ->findChild<QWidget*>(QStringLiteral("picButton"));
        face->setFocus(Qt::TabFocusReason);
        QTest::keyClick(face, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pane()->m_df);
    }
};

QTEST_MAIN(TestPaneHost)
#include "test_pane_host.moc"
