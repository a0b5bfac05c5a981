// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An edit made on a control's own property page reaches the form only as
// changes committed by property name, and only for what was applied.
#include "designer/property_commit.h"

#include "controls/button/lx_button.h"
#include "controls/pages/control_pages.h"
#include "controls/panel/lx_panel.h"
#include "platform/property_by_name.h"
#include "platform/property_page_catalog.h"
#include "platform/property_pages_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using lx::designer::PageEditSession;
using lx::designer::PropertyChange;

namespace {

std::unique_ptr<lx::Control> designTime(const QString& kind) {
    std::unique_ptr<lx::Control> control;
    if (kind == QLatin1String("button")) {
        control = std::make_unique<lx::LxButton>();
    } else {
        control = std::make_unique<lx::LxPanel>();
    }
    control->setUserMode(false);
    return control;
}

// A user's edit of the editor with that name on the dialog's current page.
void edit(lx::PropertyPagesDialog& dialog, const QString& editor, const QString& text) {
    if (auto* box = dialog.findChild<QLineEdit*>(editor)) {
        box->selectAll();
        QTest::keyClicks(box, text);
    } else {
        auto* check = dialog.findChild<QCheckBox*>(editor);
        QVERIFY2(check, qPrintable(editor));
        check->click();
    }
}

} // namespace

class TestPageCommit : public QObject {
    Q_OBJECT

private slots:
    void appliedEditsBecomeChanges_data();
    void appliedEditsBecomeChanges();
};

void TestPageCommit::appliedEditsBecomeChanges_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("button caption") << "button"
                                    << "txtCaption"
                                    << "Go" << QByteArray("Caption") << QVariant("Go");
    QTest::newRow("button margin") << "button"
                                   << "txtDelta"
                                   << "90" << QByteArray("DELTA") << QVariant(90);
    QTest::newRow("switch") << "button"
                            << "chkSwitch"
                            << "" << QByteArray("Switch") << QVariant(true);
    QTest::newRow("panel caption") << "panel"
                                   << "txtCaption"
                                   << "Tools" << QByteArray("Caption") << QVariant("Tools");
    QTest::newRow("3D panel") << "panel"
                              << "chkPanel"
                              << "" << QByteArray("Panel") << QVariant(true);
}

void TestPageCommit::appliedEditsBecomeChanges() {
    QFETCH(QString, kind);
    QFETCH(QString, editor);
    QFETCH(QString, text);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);

    const std::unique_ptr<lx::Control> control = designTime(kind);
    const QVariant before = control->property(property);
    lx::PropertyPageCatalog catalog;
    lx::addControlPages(catalog);
    PageEditSession session({control.get()});
    std::unique_ptr<lx::PropertyPagesDialog> dialog(
        lx::PropertyPagesDialog::forSelection(catalog, session.standIns()));
    dialog->findChild<QTabWidget*>()->setCurrentIndex(dialog->pages().size() - 1);

    edit(*dialog, editor, text);
    QVERIFY(session.takeChanges().isEmpty()); // nothing applied yet
    QVERIFY(dialog->applyChanges());
    QCOMPARE(control->property(property), before); // the form is not touched directly

    const QList<PropertyChange> changes = session.takeChanges();
    QCOMPARE(changes.size(), 1);
    lx::designer::commitChanges(changes,
                                [](QWidget& target, const QString& name, const QVariant& value) {
                                    lx::writeProperty(target, name.toLatin1().constData(), value);
                                });
    QCOMPARE(control->property(property).toString(), expected.toString());
    QVERIFY(session.takeChanges().isEmpty()); // committed once only
}

QTEST_MAIN(TestPageCommit)
#include "test_page_commit.moc"
