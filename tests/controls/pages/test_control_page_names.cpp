// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button/lx_button.h"
#include "controls/pages/control_pages.h"
#include "controls/panel/lx_panel.h"
#include "platform/property_page_catalog.h"
#include "platform/property_page_names.h"
#include "platform/property_pages_dialog.h"

#include <QTabWidget>
#include <QTest>
#include <memory>

// Each control names its pages and the page that browses each of the
// properties that page edits; a designer finds them without the classes.
class TestControlPageNames : public QObject {
    Q_OBJECT

    // The tab captions of the dialog a designer opens for the control.
    static QStringList tabsFor(QObject* control) {
        lx::PropertyPageCatalog catalog;
        lx::addControlPages(catalog);
        std::unique_ptr<lx::PropertyPagesDialog> dialog(
            lx::PropertyPagesDialog::forSelection(catalog, {control}));
        auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("tabPages"));
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) {
            captions.append(tabs->tabText(i));
        }
        return captions;
    }

private slots:
    void buttonNamesItsPage() {
        lx::LxButton button;
        button.setUserMode(false);
        QCOMPARE(tabsFor(&button), QStringList{"Button"});
    }

    void panelNamesTheStandardPagesAndItsOwn() {
        lx::LxPanel panel;
        panel.setUserMode(false);
        QCOMPARE(tabsFor(&panel), QStringList({"Color", "Font", "Panel"}));
    }

    void browsingPages_data() {
        QTest::addColumn<const QMetaObject*>("meta");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("page");
        const QMetaObject* button = &lx::LxButton::staticMetaObject;
        const QMetaObject* panel = &lx::LxPanel::staticMetaObject;
        for (const char* name :
             {"Caption", "DELTA", "Alignment", "MousePointer", "Switch", "Value"}) {
            QTest::newRow(qPrintable(QStringLiteral("LxButton.%1").arg(QLatin1String(name))))
                << button << name << "Button";
        }
        QTest::newRow("LxButton.ToolTipText") << button << "ToolTipText"
                                              << "";
        for (const char* name : {"Panel", "Caption", "Alignment"}) {
            QTest::newRow(qPrintable(QStringLiteral("LxPanel.%1").arg(QLatin1String(name))))
                << panel << name << "Panel";
        }
        QTest::newRow("LxPanel.Docking") << panel << "Docking"
                                         << "";
    }
    void browsingPages() {
        QFETCH(const QMetaObject*, meta);
        QFETCH(QString, property);
        QFETCH(QString, page);
        QVERIFY(meta->indexOfProperty(property.toLatin1()) >= 0);
        QCOMPARE(lx::browsingPageOf(*meta, property), page);
    }
};

QTEST_MAIN(TestControlPageNames)
#include "test_control_page_names.moc"
