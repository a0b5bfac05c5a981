// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button/lx_button.h"
#include "platform/bag_text.h"
#include "platform/core/runtime_error.h"
#include "platform/picture_surface.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using lx::LxButton;

namespace {

QPixmap solid(QColor colour) {
    QPixmap pixmap(8, 6);
    pixmap.fill(colour);
    return pixmap;
}

const QStringList AllKeys = {"AutoRedraw",
                             "BackColor",
                             "Font",
                             "ForeColor",
                             "MouseIcon",
                             "MousePointer",
                             "Picture",
                             "Caption",
                             "Delta",
                             "LightBorderColor",
                             "DarkBorderColor",
                             "Alignment",
                             "SelectedPicture",
                             "PressedPicture",
                             "FontSelected",
                             "FontPressed",
                             "ForeColorSelected",
                             "ForeColorPressed",
                             "Switch",
                             "Value",
                             "Shift",
                             "ToolTipText",
                             "Rows",
                             "Cols"};

} // namespace

class TestLxButtonProperties : public QObject {
    Q_OBJECT

private slots:
    void init();
    void newInstanceValues();
    void newInstanceStoresOnlyItsDesignDifferences();
    void everyPropertyRoundTripsThroughTheBagText();
    void emptyBagGivesTheBagDefaults();
    void unconvertibleBagValueFailsTheLoad_data();
    void unconvertibleBagValueFailsTheLoad();
    void setterMarksChangedWithBagKey_data();
    void setterMarksChangedWithBagKey();
    void setterRedrawsOnlyWhereItShould_data();
    void setterRedrawsOnlyWhereItShould();
    void designTimeOnlyPropertiesFailAtRunTime_data();
    void designTimeOnlyPropertiesFailAtRunTime();
    void eventsAreDeclaredInOrder();

private:
    std::unique_ptr<QWidget> m_host;
    LxButton* m_button = nullptr;
    lx::PictureSurface* face() { return m_button->findChild<lx::PictureSurface*>("picButton"); }
};

void TestLxButtonProperties::init() {
    m_host = std::make_unique<QWidget>();
    // An ambient font unlike the application's, so defaults are told apart.
    m_host->setFont(QFont(QStringLiteral("DejaVu Serif"), 13));
    m_button = new LxButton(m_host.get());
    m_button->Move(0, 0, 1500, 600);
}

void TestLxButtonProperties::newInstanceValues() {
    m_button->InitProperties();
    QCOMPARE(m_button->Caption(), QStringLiteral("LxButton"));
    QCOMPARE(m_button->DELTA(), short(45));
    QCOMPARE(m_button->Shift(), short(15));
    QCOMPARE(m_button->LightBorderColor(), 0x00FFFFFFu);
    QCOMPARE(m_button->DarkBorderColor(), 0x00808080u);
    QCOMPARE(m_button->ForeColorSelected(), 0u);
    QCOMPARE(m_button->ForeColorPressed(), 0u);
    QCOMPARE(m_button->ForeColor(), 0x80000008u);
    QCOMPARE(m_button->BackColor(), 0x8000000Fu);
    QCOMPARE(m_button->FontSelected(), m_host->font());
    QCOMPARE(m_button->FontPressed(), m_host->font());
    QCOMPARE(m_button->Switch(), false);
    QCOMPARE(m_button->Value(), false);
    QCOMPARE(m_button->Rows(), short(16));
    QCOMPARE(m_button->Cols(), short(24));
    QVERIFY(m_button->Picture().isNull());
}

void TestLxButtonProperties::newInstanceStoresOnlyItsDesignDifferences() {
    m_button->InitProperties();
    lx::PropertyBag bag;
    m_button->WriteProperties(bag);
    // The face's design values differ from the bag defaults in these two.
    QCOMPARE(bag.keys(), QStringList({"AutoRedraw", "ForeColor"}));
    QCOMPARE(bag.ReadProperty("AutoRedraw"), QVariant(true));
    QCOMPARE(bag.ReadProperty("ForeColor").toUInt(), 0x80000008u);
}

void TestLxButtonProperties::everyPropertyRoundTripsThroughTheBagText() {
    m_button->setUserMode(false);
    m_button->setBackColor(0x00112233);
    m_button->setFont(QFont(QStringLiteral("DejaVu Sans"), 21));
    m_button->setForeColor(0x00445566);
    m_button->setMouseIcon(solid(Qt::cyan));
    m_button->setMousePointer(99);
    m_button->setPicture(solid(Qt::red));
    m_button->setCaption(QStringLiteral("Clear &all \"now\""));
    m_button->setDELTA(-7);
    m_button->setLightBorderColor(0x00ABCDEF);
    m_button->setDarkBorderColor(0x80000010);
    m_button->setAlignment(2);
    m_button->setSelectedPicture(solid(Qt::green));
    m_button->setPressedPicture(solid(Qt::blue));
    m_button->setFontSelected(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    m_button->setFontPressed(QFont(QStringLiteral("DejaVu Sans Mono"), 11));
    m_button->setForeColorSelected(0x000000FF);
    m_button->setForeColorPressed(0x80000012);
    m_button->setSwitch(true);
    m_button->setValue(true);
    m_button->setShift(-32768);
    m_button->setToolTipText(QStringLiteral("Calculate (F5)"));
    m_button->setRows(32767);
    m_button->setCols(3);

    lx::PropertyBag saved;
    m_button->WriteProperties(saved);
    QCOMPARE(saved.keys(), AllKeys);

    const lx::PropertyBag loaded = lx::bag_text::fromText(lx::bag_text::toText(saved));
    LxButton restored(m_host.get());
    restored.ReadProperties(loaded);

    const QMetaObject* meta = m_button->metaObject();
    for (int i = lx::Control::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const char* name = meta->property(i).name();
        QVERIFY2(lx::PropertyBag::sameValue(restored.property(name), m_button->property(name)),
                 name);
    }
    lx::PropertyBag resaved;
    restored.WriteProperties(resaved);
    QVERIFY(resaved == saved);
}

void TestLxButtonProperties::emptyBagGivesTheBagDefaults() {
    m_button->setUserMode(false);
    m_button->setCaption(QStringLiteral("x"));
    m_button->setSwitch(true);
    m_button->setForeColorPressed(0x00FF00FF);
    m_button->setPicture(solid(Qt::red));

    m_button->ReadProperties(lx::PropertyBag());

    QCOMPARE(m_button->Caption(), QStringLiteral("LxButton"));
    QCOMPARE(m_button->Switch(), false);
    QCOMPARE(m_button->ForeColorPressed(), 0u);
    QCOMPARE(m_button->ForeColor(), 0x80000012u);
    QCOMPARE(m_button->Font(), m_host->font());
    QVERIFY(m_button->Picture().isNull());
    // Every value now equals its default, so nothing is stored at all.
    lx::PropertyBag bag;
    m_button->WriteProperties(bag);
    QVERIFY2(bag.isEmpty(), qPrintable(bag.keys().join(u',')));
}

void TestLxButtonProperties::unconvertibleBagValueFailsTheLoad_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("error");

    QTest::newRow("text as a number") << "Delta" << QVariant("wide") << 13;
    QTest::newRow("number beyond 16 bits") << "Shift" << QVariant(40000) << 6;
    QTest::newRow("font as text") << "Caption" << QVariant(QFont()) << 13;
    QTest::newRow("text as a picture") << "Picture" << QVariant("x.png") << 13;
    QTest::newRow("number as a font") << "FontPressed" << QVariant(3) << 13;
}

void TestLxButtonProperties::unconvertibleBagValueFailsTheLoad() {
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(int, error);
    lx::PropertyBag bag;
    bag.insert(key, value);
    try {
        m_button->ReadProperties(bag);
        QFAIL("the load succeeded");
    } catch (const lx::RuntimeError& e) {
        QCOMPARE(e.code(), error);
    }
}

void TestLxButtonProperties::setterMarksChangedWithBagKey_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("key");

    QTest::newRow("BackColor") << "BackColor" << QVariant(0x00010203u) << "BackColor";
    QTest::newRow("Font") << "Font" << QVariant(QFont("DejaVu Sans", 20)) << "Font";
    QTest::newRow("ForeColor") << "ForeColor" << QVariant(0x00010203u) << "ForeColor";
    QTest::newRow("MouseIcon") << "MouseIcon" << QVariant(solid(Qt::red)) << "MouseIcon";
    QTest::newRow("MousePointer") << "MousePointer" << QVariant(short(2)) << "MousePointer";
    QTest::newRow("Picture") << "Picture" << QVariant(solid(Qt::red)) << "Picture";
    QTest::newRow("Caption") << "Caption" << QVariant("E&xit") << "Caption";
    QTest::newRow("DELTA") << "DELTA" << QVariant(short(90)) << "Delta";
    QTest::newRow("LightBorderColor") << "LightBorderColor" << QVariant(1u) << "LightBorderColor";
    QTest::newRow("DarkBorderColor") << "DarkBorderColor" << QVariant(1u) << "DarkBorderColor";
    QTest::newRow("Alignment") << "Alignment" << QVariant(short(1)) << "Alignment";
    QTest::newRow("SelectedPicture")
        << "SelectedPicture" << QVariant(solid(Qt::red)) << "SelectedPicture";
    QTest::newRow("PressedPicture")
        << "PressedPicture" << QVariant(solid(Qt::red)) << "PressedPicture";
    QTest::newRow("FontSelected") << "FontSelected" << QVariant(QFont("DejaVu Sans", 20))
                                  << "FontSelected";
    QTest::newRow("FontPressed") << "FontPressed" << QVariant(QFont("DejaVu Sans", 20))
                                 << "FontPressed";
    QTest::newRow("ForeColorSelected")
        << "ForeColorSelected" << QVariant(7u) << "ForeColorSelected";
    QTest::newRow("ForeColorPressed") << "ForeColorPressed" << QVariant(7u) << "ForeColorPressed";
    QTest::newRow("Switch") << "Switch" << QVariant(true) << "Switch";
    QTest::newRow("Value") << "Value" << QVariant(true) << "Value";
    QTest::newRow("Shift") << "Shift" << QVariant(short(30)) << "Shift";
    QTest::newRow("ToolTipText") << "ToolTipText" << QVariant("tip") << "ToolTipText";
    QTest::newRow("Rows") << "Rows" << QVariant(short(1)) << "Rows";
    QTest::newRow("Cols") << "Cols" << QVariant(short(2)) << "Cols";
}

void TestLxButtonProperties::setterMarksChangedWithBagKey() {
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(QString, key);
    const QByteArray name = property.toLatin1();
    QVERIFY(m_button->metaObject()->indexOfProperty(name) >= 0);
    m_button->setUserMode(false);
    QSignalSpy changed(m_button, &lx::Control::PropertyChanged);

    QVERIFY(m_button->setProperty(name, value));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), key);
    QVERIFY(lx::PropertyBag::sameValue(m_button->property(name), value));
}

void TestLxButtonProperties::setterRedrawsOnlyWhereItShould_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("redraws");

    QTest::newRow("Caption redraws") << "Caption" << QVariant("Other") << true;
    QTest::newRow("DELTA redraws") << "DELTA" << QVariant(short(0)) << true;
    QTest::newRow("Picture redraws") << "Picture" << QVariant(solid(Qt::red)) << true;
    QTest::newRow("Font redraws") << "Font" << QVariant(QFont("DejaVu Sans", 20)) << true;
    QTest::newRow("ForeColor redraws") << "ForeColor" << QVariant(0x000000FFu) << true;
    QTest::newRow("BackColor redraws") << "BackColor" << QVariant(0x000000FFu) << true;
    QTest::newRow("Alignment redraws") << "Alignment" << QVariant(short(2)) << true;
    QTest::newRow("LightBorderColor keeps the look")
        << "LightBorderColor" << QVariant(0x000000FFu) << false;
    QTest::newRow("DarkBorderColor keeps the look")
        << "DarkBorderColor" << QVariant(0x000000FFu) << false;
    QTest::newRow("SelectedPicture keeps the look")
        << "SelectedPicture" << QVariant(solid(Qt::red)) << false;
    QTest::newRow("PressedPicture keeps the look")
        << "PressedPicture" << QVariant(solid(Qt::red)) << false;
    QTest::newRow("Value keeps the look") << "Value" << QVariant(true) << false;
    QTest::newRow("Switch keeps the look") << "Switch" << QVariant(true) << false;
    QTest::newRow("Shift keeps the look") << "Shift" << QVariant(short(60)) << false;
}

void TestLxButtonProperties::setterRedrawsOnlyWhereItShould() {
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(bool, redraws);
    m_button->setUserMode(false);
    // The raised look has a border no redraw after a property change keeps.
    m_button->DrawSelected();
    const QImage before = face()->Image().toImage();

    QVERIFY(m_button->setProperty(property.toLatin1(), value));

    QCOMPARE(face()->Image().toImage() != before, redraws);
}

void TestLxButtonProperties::designTimeOnlyPropertiesFailAtRunTime_data() {
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("Alignment") << "Alignment" << QVariant(short(1));
    QTest::newRow("Switch") << "Switch" << QVariant(true);
    QTest::newRow("Shift") << "Shift" << QVariant(short(30));
}

void TestLxButtonProperties::designTimeOnlyPropertiesFailAtRunTime() {
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    const QByteArray name = property.toLatin1();
    const QVariant original = m_button->property(name);
    QSignalSpy changed(m_button, &lx::Control::PropertyChanged);

    m_button->setUserMode(true);
    try {
        m_button->setProperty(name, value);
        QFAIL("set at run time");
    } catch (const lx::RuntimeError& e) {
        QCOMPARE(e.code(), 393);
    }
    QCOMPARE(m_button->property(name), original);
    QCOMPARE(changed.count(), 0);

    m_button->setUserMode(false);
    QVERIFY(m_button->setProperty(name, value));
    QCOMPARE(m_button->property(name), value);
}

void TestLxButtonProperties::eventsAreDeclaredInOrder() {
    const QMetaObject* meta = m_button->metaObject();
    const QList<QByteArray> events = {"MouseEnter()",       "MouseExit()",    "Click()",
                                      "KeyDown(int&,int&)", "KeyPress(int&)", "KeyUp(int&,int&)"};
    int previous = -1;
    for (const QByteArray& event : events) {
        const int index = meta->indexOfSignal(event);
        QVERIFY2(index > previous, event.constData());
        previous = index;
    }
}

QTEST_MAIN(TestLxButtonProperties)
#include "test_lx_button_properties.moc"
