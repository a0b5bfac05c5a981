// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/window/lx_on_top.h"
#include "platform/form.h"
#include "platform/system_menu.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace lx;

namespace {

bool isTopmost(const QWidget& window) {
    const bool widgetFlag = window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool nativeFlag =
        !window.windowHandle() || window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    return widgetFlag && nativeFlag;
}

PropertyBag bagWith(bool onTop, bool closeButton) {
    PropertyBag bag;
    bag.insert("FormCloseButton", closeButton);
    bag.insert("OnTop", onTop);
    return bag;
}

} // namespace

class TestLxOnTop : public QObject {
    Q_OBJECT

private:
    struct Hosted {
        std::unique_ptr<Form> form;
        LxOnTop* onTop = nullptr;
    };

    static Hosted host(const PropertyBag& bag, bool fixedDialog = false) {
        Hosted h;
        h.form = std::make_unique<Form>();
        if (fixedDialog) {
            h.form->setWindowFlags(Qt::Dialog);
            h.form->setFixedSize(300, 200);
        } else {
            h.form->resize(300, 200);
        }
        h.onTop = new LxOnTop(h.form.get());
        h.form->addControl(h.onTop);
        h.onTop->ReadProperties(bag);
        return h;
    }

    static void activate(Form& form) {
        QSignalSpy activated(&form, &Form::Activate);
        form.show();
        form.activateWindow();
        QTRY_VERIFY(activated.size() > 0 || QApplication::activeWindow() == &form);
        QTRY_COMPARE(QApplication::activeWindow(), &form);
    }

    // Another window takes the activation away, so the next activation of
    // the form is a new one.
    static void activateElsewhere(QWidget& other) {
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
    }

private slots:
    void newInstanceAndDefaults() {
        LxOnTop fresh;
        fresh.InitProperties();
        QCOMPARE(fresh.OnTop(), true);
        QCOMPARE(fresh.FormCloseButton(), true);
        PropertyBag saved;
        fresh.WriteProperties(saved);
        QVERIFY(saved.isEmpty());

        fresh.setUserMode(false);
        fresh.setOnTop(false);
        fresh.setFormCloseButton(false);
        fresh.WriteProperties(saved);
        QCOMPARE(saved.keys(), QStringList({"FormCloseButton", "OnTop"}));

        LxOnTop loaded;
        loaded.setUserMode(false);
        loaded.ReadProperties(PropertyBag());
        QCOMPARE(loaded.OnTop(), true);
        QCOMPARE(loaded.FormCloseButton(), true);
    }

    void propertiesInTheirOrder() {
        const QMetaObject& meta = LxOnTop::staticMetaObject;
        const int first = meta.indexOfProperty("OnTop");
        QVERIFY(first >= 0);
        QCOMPARE(meta.indexOfProperty("FormCloseButton"), first + 1);
    }

    void unreadableValueStaysFalseAndTheRestIsRead() {
        PropertyBag bag;
        bag.insert("FormCloseButton", QStringLiteral("perhaps"));
        bag.insert("OnTop", true);
        LxOnTop onTop;
        onTop.ReadProperties(bag);
        QCOMPARE(onTop.FormCloseButton(), false);
        QCOMPARE(onTop.OnTop(), true);
    }

    void settersMarkTheirKey() {
        LxOnTop onTop;
        onTop.setUserMode(false);
        QSignalSpy changed(&onTop, &Control::PropertyChanged);
        onTop.setOnTop(true);
        onTop.setFormCloseButton(true);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("OnTop"));
        QCOMPARE(changed.at(1).at(0).toString(), QStringLiteral("FormCloseButton"));
    }

    void everyActivationMakesTheFormTopmost() {
        Hosted h = host(bagWith(true, true));
        h.form->move(120, 80);
        QWidget other;
        activate(*h.form);
        QVERIFY(isTopmost(*h.form));
        const QRect place = h.form->frameGeometry();

        activateElsewhere(other);
        h.form->setWindowFlag(Qt::WindowStaysOnTopHint, false); // someone else lowered it
        h.form->show();
        QVERIFY(!isTopmost(*h.form));
        activate(*h.form);
        QVERIFY(isTopmost(*h.form));
        QCOMPARE(h.form->frameGeometry(), place);
    }

    void runTimeAssignmentAppliesAtOnce() {
        Hosted h = host(bagWith(true, true));
        QWidget other;
        activate(*h.form);
        activateElsewhere(other);
        h.onTop->setOnTop(false);
        QVERIFY(!isTopmost(*h.form));
        h.onTop->setOnTop(true);
        QVERIFY(isTopmost(*h.form));
        QCOMPARE(QApplication::activeWindow(), &other); // the form was not activated
    }

    void assignmentShowsAHiddenForm() {
        Hosted h = host(bagWith(false, true));
        QVERIFY(!h.form->isVisible());
        h.onTop->setOnTop(true);
        QVERIFY(h.form->isVisible());
        QVERIFY(isTopmost(*h.form));
    }

    void closeEntry_data() {
        QTest::addColumn<bool>("fixedDialog");
        QTest::addColumn<int>("entriesLeft");
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("standard seven lose Close") << false << 6 << false;
        QTest::newRow("short dialog menu loses nothing") << true << 3 << true;
    }

    void closeEntry() {
        QFETCH(bool, fixedDialog);
        QFETCH(int, entriesLeft);
        QFETCH(bool, closeButton);
        Hosted h = host(bagWith(true, false), fixedDialog);
        QWidget other;
        activate(*h.form);
        const SystemMenu& menu = SystemMenu::of(*h.form);
        QCOMPARE(menu.count(), entriesLeft);
        QCOMPARE(menu.hasClose(), closeButton);
        QCOMPARE(h.form->windowFlags().testFlag(Qt::WindowCloseButtonHint), closeButton);

        activateElsewhere(other);
        activate(*h.form); // finds nothing at the position any more
        QCOMPARE(menu.count(), entriesLeft);
        if (!fixedDialog) {
            QCOMPARE(menu.entries().last(), SystemMenu::Entry::Separator);
        }
    }

    void closeEntryIsNeverRestored() {
        Hosted h = host(bagWith(true, false));
        activate(*h.form);
        h.onTop->setFormCloseButton(true);
        QVERIFY(!SystemMenu::of(*h.form).hasClose());
        QVERIFY(!h.form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }

    void runningHelperStaysHidden() {
        Hosted h = host(bagWith(false, true));
        activate(*h.form);
        QVERIFY(!h.onTop->isVisible());
        h.onTop->show();
        QVERIFY(!h.onTop->isVisible());
    }

    void withoutAFormNothingHappens() {
        LxOnTop alone;
        alone.InitProperties();
        alone.ReadProperties(bagWith(true, false));
        alone.setOnTop(false);
        alone.setFormCloseButton(false);
        QVERIFY(!alone.isVisible());
        QVERIFY(!alone.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void designTimeAppliesNothing() {
        Hosted h = host(PropertyBag());
        h.onTop->setUserMode(false);
        h.onTop->setFormCloseButton(false);
        activate(*h.form);
        h.onTop->setOnTop(true);
        QVERIFY(!isTopmost(*h.form));
        QCOMPARE(SystemMenu::of(*h.form).count(), 7);
        h.onTop->show();
        QVERIFY(h.onTop->isVisible());
        QCOMPARE(h.onTop->Width(), 480.0f);
    }
};

QTEST_MAIN(TestLxOnTop)
#include "test_lx_on_top.moc"
