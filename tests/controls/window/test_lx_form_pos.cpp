// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/window/lx_form_pos.h"
#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "platform/form.h"
#include "platform/settings_store.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace lx;

namespace {

const QString App = QStringLiteral("LxTervan");
const QString Section = QStringLiteral("frmTest");
const QStringList PlaceKeys = {"Left", "Top", "Width", "Height"};

// The bag of an instance with the given options and no minimum size.
PropertyBag optionsBag(bool remember, bool centre) {
    PropertyBag bag;
    bag.insert("MinHeight", 0);
    bag.insert("MinWidth", 0);
    bag.insert("CenterForm", centre);
    bag.insert("RememberFormPosition", remember);
    return bag;
}

QPointF centredFor(float width, float height) {
    return QPointF((twips::screenWidth() - width) / 2.0f, (twips::screenHeight() - height) / 2.0f);
}

} // namespace

class TestLxFormPos : public QObject {
    Q_OBJECT

private:
    // One run of the program: a form with its helper, loaded from a bag.
    struct Run {
        std::unique_ptr<Form> form;
        LxFormPos* pos = nullptr;
    };

    Run start(const PropertyBag& bag, bool show = true) {
        Run run;
        run.form = std::make_unique<Form>();
        run.form->setObjectName(Section);
        run.form->setClientSize(DesignWidth, DesignHeight);
        run.pos = new LxFormPos(run.form.get());
        run.pos->setSettingsStore(*m_store);
        run.form->addControl(run.pos);
        run.pos->ReadProperties(bag);
        if (show) {
            run.form->show();
        }
        return run;
    }

    QString stored(const QString& key) const {
        SettingsStore reader(m_iniPath);
        return reader.GetSetting(App, Section, key, QStringLiteral("<absent>"));
    }
    float storedSingle(const QString& key) const { return number_text::toSingle(stored(key)); }
    void store(const QString& key, const QString& value) {
        m_store->SaveSetting(App, Section, key, value);
        m_store->sync();
    }

    static constexpr float DesignWidth = 4500.0f;
    static constexpr float DesignHeight = 3000.0f;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_iniPath;
    std::unique_ptr<SettingsStore> m_store;

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(App); }

    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_iniPath = m_dir->filePath("settings.ini");
        m_store = std::make_unique<SettingsStore>(m_iniPath);
    }

    void cleanup() {
        m_store.reset();
        m_dir.reset();
    }

    void newInstanceAndBagDefaultsDiffer() {
        LxFormPos fresh;
        fresh.InitProperties();
        QCOMPARE(fresh.MinHeight(), 0);
        QCOMPARE(fresh.MinWidth(), 0);
        QCOMPARE(fresh.CenterForm(), false);
        QCOMPARE(fresh.RememberFormPosition(), false);

        LxFormPos loaded;
        loaded.setUserMode(false);
        loaded.ReadProperties(PropertyBag());
        QCOMPARE(loaded.MinHeight(), 3000);
        QCOMPARE(loaded.MinWidth(), 3000);
        QCOMPARE(loaded.CenterForm(), true);
        QCOMPARE(loaded.RememberFormPosition(), true);

        PropertyBag saved;
        loaded.WriteProperties(saved);
        QVERIFY(saved.isEmpty());
        fresh.WriteProperties(saved);
        QCOMPARE(saved.keys(),
                 QStringList({"MinHeight", "MinWidth", "CenterForm", "RememberFormPosition"}));
        LxFormPos reloaded;
        reloaded.ReadProperties(saved);
        QCOMPARE(reloaded.MinWidth(), 0);
        QCOMPARE(reloaded.RememberFormPosition(), false);
    }

    void settersMarkTheirKey() {
        LxFormPos pos;
        QSignalSpy changed(&pos, &Control::PropertyChanged);
        pos.setMinHeight(100);
        pos.setMinWidth(200);
        pos.setCenterForm(true);
        pos.setRememberFormPosition(true);
        QCOMPARE(changed.size(), 4);
        QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("MinHeight"));
        QCOMPARE(changed.at(3).at(0).toString(), QStringLiteral("RememberFormPosition"));
    }

    void firstRunCentresAtDesignSizeAndWritesAllKeys() {
        Run run = start(optionsBag(true, false), false);
        const float width = run.form->Width();
        const float height = run.form->Height();
        run.form->show();
        const QPointF centre = centredFor(width, height);
        QCOMPARE(run.form->Left(), float(centre.x()));
        QCOMPARE(run.form->Top(), float(centre.y()));
        QCOMPARE(run.form->Width(), width);

        QVERIFY(run.form->close());
        QCOMPARE(stored("WindowState"), QStringLiteral("0"));
        QCOMPARE(storedSingle("Left"), run.form->Left());
        QCOMPARE(storedSingle("Top"), run.form->Top());
        QCOMPARE(storedSingle("Width"), run.form->Width());
        QCOMPARE(storedSingle("Height"), run.form->Height());
    }

    void remembersPlaceExactlyForTheNextRun() {
        {
            Run first = start(optionsBag(true, false));
            first.form->Move(1267.5f, 600.0f, 6000.0f, 4500.0f);
            QVERIFY(first.form->close());
        }
        Run second = start(optionsBag(true, false));
        QCOMPARE(second.form->Left(), 1267.5f);
        QCOMPARE(second.form->Top(), 600.0f);
        QCOMPARE(second.form->Width(), 6000.0f);
        QCOMPARE(second.form->Height(), 4500.0f);
    }

    void rememberOffWritesOnlyTheState() {
        store("Left", "15");
        Run run = start(optionsBag(false, false));
        run.form->Move(300.0f, 450.0f);
        QCOMPARE(run.form->Left(), 300.0f); // nothing read back on load
        QVERIFY(run.form->close());
        QCOMPARE(stored("WindowState"), QStringLiteral("0"));
        QCOMPARE(stored("Left"), QStringLiteral("15"));
        for (const QString key : {"Top", "Width", "Height"}) {
            QCOMPARE(stored(key), QStringLiteral("<absent>"));
        }
    }

    // A helper that serves another program keeps its memory in that program's store.
    void memoryBelongsToTheRunningProgram() {
        const QString host = QStringLiteral("HostProgram");
        QCoreApplication::setApplicationName(host);
        m_store->SaveSetting(host, Section, "WindowState", "2");
        Run run = start(optionsBag(true, false));
        const int opened = run.form->WindowState();
        run.form->setWindowState(Form::Normal);
        const bool closed = run.form->close();
        QCoreApplication::setApplicationName(App);
        QCOMPARE(opened, int(Form::Maximized));
        QVERIFY(closed);
        m_store->sync();
        SettingsStore reader(m_iniPath);
        QCOMPARE(reader.GetSetting(host, Section, "WindowState"), QStringLiteral("0"));
        QVERIFY(reader.contains(host, Section, "Width"));
        QCOMPARE(stored("WindowState"), QStringLiteral("<absent>"));
    }

    void closedInOtherStateReopensSoAndKeepsNormalPlace_data() {
        QTest::addColumn<int>("state");
        QTest::newRow("minimised") << int(Form::Minimized);
        QTest::newRow("maximised") << int(Form::Maximized);
    }

    void closedInOtherStateReopensSoAndKeepsNormalPlace() {
        QFETCH(int, state);
        QStringList normalPlace;
        {
            Run first = start(optionsBag(true, false));
            first.form->Move(750.0f, 900.0f, 6000.0f, 4500.0f);
            QVERIFY(first.form->close());
            for (const QString& key : PlaceKeys) {
                normalPlace << stored(key);
            }
        }
        {
            Run second = start(optionsBag(true, true));
            second.form->setWindowState(state);
            QVERIFY(second.form->close());
            QCOMPARE(stored("WindowState"), QString::number(state));
            for (int i = 0; i < PlaceKeys.size(); ++i) {
                QCOMPARE(stored(PlaceKeys.at(i)), normalPlace.at(i));
            }
        }
        Run third = start(optionsBag(true, true));
        QCOMPARE(third.form->WindowState(), state);
        third.form->setWindowState(Form::Normal);
        QVERIFY(third.form->Left() != 750.0f); // the stored place was not applied
    }

    void bothOptionsKeepStoredSizeButCentre() {
        store("Left", "30");
        store("Top", "45");
        store("Width", "6000");
        store("Height", "4500");
        Run run = start(optionsBag(true, true));
        QCOMPARE(run.form->Width(), 6000.0f);
        QCOMPARE(run.form->Height(), 4500.0f);
        const QPointF centre = centredFor(6000.0f, 4500.0f);
        QCOMPARE(run.form->Left(), float(centre.x()));
        QCOMPARE(run.form->Top(), float(centre.y()));
    }

    void newInstanceOnlyWritesTheState() {
        // A fresh instance is 0, 0, False, False: load one from a bag saying so.
        PropertyBag fresh;
        LxFormPos newlyPlaced;
        newlyPlaced.InitProperties();
        newlyPlaced.WriteProperties(fresh);
        Run run = start(fresh, false);
        run.form->Move(300.0f, 450.0f, 2000.0f, 1500.0f);
        run.form->show();
        QCOMPARE(run.form->Left(), 300.0f);
        QCOMPARE(run.form->Width(), 2000.0f);
        QVERIFY(run.form->close());
        QCOMPARE(stored("WindowState"), QStringLiteral("0"));
        QCOMPARE(stored("Width"), QStringLiteral("<absent>"));
    }

    void designTimeNeverTouchesTheForm() {
        store("Width", "9000");
        Run run;
        run.form = std::make_unique<Form>();
        run.form->setObjectName(Section);
        run.form->Move(300.0f, 450.0f, 2000.0f, 1500.0f);
        run.pos = new LxFormPos(run.form.get());
        run.pos->setUserMode(false);
        run.pos->setSettingsStore(*m_store);
        run.pos->ReadProperties(PropertyBag()); // minimum 3000 x 3000, both options on
        run.form->show();
        run.pos->show();
        QCOMPARE(run.form->Width(), 2000.0f);
        QCOMPARE(run.form->Left(), 300.0f);
        run.form->setHeight(1000.0f);
        QCOMPARE(run.form->Height(), 1000.0f);
        QVERIFY(run.pos->isVisible());
        QVERIFY(run.form->close());
        QCOMPARE(stored("WindowState"), QStringLiteral("<absent>"));
    }

    void designSizeIsFixed() {
        Form form;
        auto* pos = new LxFormPos(&form);
        pos->setUserMode(false);
        pos->Move(150.0f, 150.0f, 1000.0f, 900.0f);
        form.show();
        pos->show();
        QTRY_COMPARE(pos->Width(), 240.0f);
        QCOMPARE(pos->Height(), 230.0f);
        QCOMPARE(pos->Left(), 150.0f);
    }

    void runningHelperStaysHidden() {
        Run run = start(optionsBag(false, false));
        QVERIFY(!run.pos->isVisible());
        run.pos->show();
        QVERIFY(!run.pos->isVisible());
    }

    void minimumSize_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("expectedWidth");
        QTest::addColumn<float>("expectedHeight");
        QTest::newRow("one twip below the width") << 0 << 4499.0f << 5000.0f << 4500.0f << 5000.0f;
        QTest::newRow("well below the height") << 0 << 5000.0f << 1500.0f << 5000.0f << 3900.0f;
        QTest::newRow("both below") << 0 << 3000.0f << 3000.0f << 4500.0f << 3900.0f;
        QTest::newRow("exactly the minimum") << 0 << 4500.0f << 3900.0f << 4500.0f << 3900.0f;
        QTest::newRow("minimised never enlarged") << 1 << 3000.0f << 3000.0f << 3000.0f << 3000.0f;
    }

    void minimumSize() {
        QFETCH(int, state);
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(float, expectedWidth);
        QFETCH(float, expectedHeight);
        PropertyBag bag = optionsBag(false, false);
        bag.insert("MinWidth", 4500);
        bag.insert("MinHeight", 3900);
        Run run = start(bag);
        run.form->Move(600.0f, 600.0f, 7500.0f, 6000.0f);
        run.form->setWindowState(state);
        run.form->setWidth(width);
        run.form->setHeight(height);
        QTRY_COMPARE(run.form->Width(), expectedWidth);
        QTRY_COMPARE(run.form->Height(), expectedHeight);
    }

    void unusableStoreFallsBackAndKeepsTheText_data() {
        QTest::addColumn<QStringList>("entries"); // key, text, key, text...
        QTest::addColumn<QSizeF>("size");         // empty: the design size
        const QSizeF design;
        QTest::newRow("state not a number") << QStringList{"WindowState", "max"} << design;
        QTest::newRow("state out of range")
            << QStringList{"WindowState", "3", "Width", "6000", "Height", "4500"}
            << QSizeF(6000, 4500);
        QTest::newRow("negative state") << QStringList{"WindowState", "-1"} << design;
        QTest::newRow("size not a number")
            << QStringList{"Width", "wide", "Height", "4500"} << QSizeF(0, 4500);
        QTest::newRow("negative size") << QStringList{"Width", "-6000", "Height", "0"} << design;
        QTest::newRow("size beyond any window") << QStringList{"Width", "1E+12"} << design;
        QTest::newRow("position beyond single") << QStringList{"Left", "1E+300"} << design;
        QTest::newRow("off every screen")
            << QStringList{"Left", "-90000", "Top", "-90000", "Width", "6000", "Height", "4500"}
            << design;
    }

    void unusableStoreFallsBackAndKeepsTheText() {
        QFETCH(QStringList, entries);
        QFETCH(QSizeF, size);
        for (int i = 0; i + 1 < entries.size(); i += 2) {
            store(entries.at(i), entries.at(i + 1));
        }
        Run run = start(optionsBag(true, false), false);
        const float designWidth = run.form->Width();
        const float designHeight = run.form->Height();
        run.form->show();
        const float width = size.width() > 0 ? float(size.width()) : designWidth;
        const float height = size.height() > 0 ? float(size.height()) : designHeight;
        QCOMPARE(run.form->WindowState(), int(Form::Normal));
        QCOMPARE(run.form->Width(), width);
        QCOMPARE(run.form->Height(), height);
        const QPointF centre = centredFor(width, height);
        QCOMPARE(run.form->Left(), float(centre.x()));
        QCOMPARE(run.form->Top(), float(centre.y()));
        for (int i = 0; i + 1 < entries.size(); i += 2) {
            QCOMPARE(stored(entries.at(i)), entries.at(i + 1));
        }
    }

    // A stored place that reaches past the screen's free area comes back just inside it; one
    // bigger than that area keeps its top-left corner on it. Pixels, from the free area's origin.
    void placeBeyondTheScreenIsBroughtInside_data() {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QPoint>("expected");
        const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
        const int w = free.width();
        const int h = free.height();
        QTest::newRow("inside, kept") << QRect(100, 80, 300, 200) << QPoint(100, 80);
        QTest::newRow("past the right edge") << QRect(w - 100, 80, 300, 200) << QPoint(w - 300, 80);
        QTest::newRow("past the bottom edge")
            << QRect(100, h - 50, 300, 200) << QPoint(100, h - 200);
        QTest::newRow("past the left edge") << QRect(-100, 80, 300, 200) << QPoint(0, 80);
        QTest::newRow("past the top edge") << QRect(100, -150, 300, 200) << QPoint(100, 0);
        QTest::newRow("past a corner")
            << QRect(w - 10, h - 10, 300, 200) << QPoint(w - 300, h - 200);
        QTest::newRow("centred on a screen twice as large")
            << QRect(w - 150, h - 100, 300, 200) << QPoint(w - 300, h - 200);
        QTest::newRow("wider than the screen") << QRect(-50, 80, w + 200, 200) << QPoint(0, 80);
        QTest::newRow("bigger than the screen, past its far corner")
            << QRect(w - 100, h - 100, w + 200, h + 100) << QPoint(0, 0);
    }

    void placeBeyondTheScreenIsBroughtInside() {
        QFETCH(QRect, stored);
        QFETCH(QPoint, expected);
        const QPoint origin = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
        const QRect place = stored.translated(origin);
        store("Left", QString::number(place.left() * 15));
        store("Top", QString::number(place.top() * 15));
        store("Width", QString::number(place.width() * 15));
        store("Height", QString::number(place.height() * 15));
        Run run = start(optionsBag(true, false));
        QCOMPARE(run.form->frameGeometry().size(), place.size());
        QCOMPARE(QPointF(run.form->Left(), run.form->Top()), QPointF((expected + origin) * 15));
    }

    // A form of fixed size keeps its own size, frame included, whatever size was stored: that is
    // the window that must come inside.
    void fixedSizeFormComesInsideWithItsOwnSize() {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        store("Left", QString::number((free.left() + 100) * 15));
        store("Top", QString::number((free.bottom() - 250) * 15));
        store("Width", QString::number(300 * 15));
        store("Height", QString::number(200 * 15));
        Run run = start(optionsBag(true, false), false);
        run.form->setFixedSize(300, 400);
        run.form->show();
        QTRY_COMPARE(run.form->frameGeometry().bottom(), free.bottom());
        QCOMPARE(run.form->frameGeometry().left(), free.left() + 100);
        QCOMPARE(run.form->height(), 400);
    }

    void unreadableBagValueIsAnError() {
        PropertyBag bag;
        bag.insert("MinWidth", QStringLiteral("very small"));
        LxFormPos pos;
        QVERIFY_THROWS_EXCEPTION(RuntimeError, pos.ReadProperties(bag));
    }
};

QTEST_MAIN(TestLxFormPos)
#include "test_lx_form_pos.moc"
