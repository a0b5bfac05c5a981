// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/panel/caption_label.h"
#include "controls/panel/lx_panel.h"
#include "platform/core/runtime_error.h"
#include "platform/property_bag.h"
#include "platform/twips.h"

#include <QAccessible>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using lx::CaptionLabel;
using lx::LxPanel;
using lx::OleColor;
using lx::PanelLine;
using lx::PropertyBag;

namespace {

constexpr OleColor Red = 0x000000FFu;
constexpr OleColor Blue = 0x00FF0000u;
constexpr OleColor White = 0x00FFFFFFu;
constexpr OleColor Green = 0x0000FF00u;

// A panel placed in a designer: a shown host, UserMode off.
struct DesignedPanel {
    QWidget host;
    LxPanel* panel;

    DesignedPanel()
        : panel(new LxPanel(&host)) {
        host.setFont(QFont(QStringLiteral("Serif"), 14));
        host.resize(800, 600);
        panel->setUserMode(false);
        panel->InitProperties();
        host.show();
        // Painting needs an exposed window.
        if (!QTest::qWaitForWindowExposed(&host)) {
            qFatal("the host window was never exposed");
        }
    }
    CaptionLabel* caption() const {
        return panel->findChild<CaptionLabel*>(QStringLiteral("lblCaption"));
    }
};

QList<bool> visibility(const LxPanel& panel) {
    QList<bool> result;
    for (const PanelLine* line : panel.lines().all()) {
        result.append(line->Visible);
    }
    return result;
}

QList<OleColor> colours(const LxPanel& panel) {
    QList<OleColor> result;
    for (const PanelLine* line : panel.lines().all()) {
        result.append(line->BorderColor);
    }
    return result;
}

QColor pixelAt(const QImage& image, float xTwips, float yTwips) {
    return image.pixelColor(lx::twips::toPixels(xTwips), lx::twips::toPixels(yTwips));
}

QColor rgb(OleColor colour) {
    return lx::ole_color::resolve(colour, QPalette());
}

} // namespace

class TestLxPanel : public QObject {
    Q_OBJECT
private slots:
    void newPanelLaysOutItsDesignSize() {
        DesignedPanel d;
        const LxPanel& p = *d.panel;
        QCOMPARE(p.Width(), 4800.0f);
        QCOMPARE(p.Height(), 3600.0f);
        const auto& l = p.lines();
        QCOMPARE(QList<float>({l.linTop.X1, l.linTop.Y1, l.linTop.X2, l.linTop.Y2}),
                 QList<float>({0, 0, 4800, 0}));
        QCOMPARE(QList<float>({l.linMiddle.X1, l.linMiddle.Y1, l.linMiddle.X2, l.linMiddle.Y2}),
                 QList<float>({0, 10, 4800, 10}));
        QCOMPARE(QList<float>({l.linBottom.X1, l.linBottom.Y1, l.linBottom.X2, l.linBottom.Y2}),
                 QList<float>({0, 3590, 4800, 3590}));
        QCOMPARE(QList<float>({l.linLeftBorder.X1, l.linLeftBorder.Y1, l.linLeftBorder.X2,
                               l.linLeftBorder.Y2}),
                 QList<float>({0, 10, 0, 3590}));
        QCOMPARE(QList<float>({l.linMiddleBorder.X1, l.linMiddleBorder.Y1, l.linMiddleBorder.X2,
                               l.linMiddleBorder.Y2}),
                 QList<float>({10, 10, 10, 3575}));
        QCOMPARE(QList<float>({l.linRightBorder.X1, l.linRightBorder.Y1, l.linRightBorder.X2,
                               l.linRightBorder.Y2}),
                 QList<float>({4785, 15, 4785, 3590}));
        QCOMPARE(visibility(p), QList<bool>({true, true, true, false, false, false}));
        QCOMPARE(colours(p), QList<OleColor>({0x80000010u, 0x80000014u, 0x80000010u, 0x80000010u,
                                              0x80000014u, 0x80000010u}));
        QCOMPARE(p.Caption(), QStringLiteral("LxPanel"));
        QCOMPARE(d.caption()->Left(), 30.0f);
        QCOMPARE(d.caption()->Top(), 30.0f);
    }

    // A strip holding buttons groups them; an empty one only separates. Its caption names it.
    void screenReaderSeesGroupingOrSeparator() {
        DesignedPanel d;
        d.panel->setCaption(QStringLiteral("&Details"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(d.panel);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Separator);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Details"));
        new QWidget(d.panel);
        QCOMPARE(accessible->role(), QAccessible::Grouping);
    }

    void lowPanelIsNotClamped() {
        DesignedPanel d;
        d.panel->Move(0, 0, 3000, 15);
        const PanelLine& middleBorder = d.panel->lines().linMiddleBorder;
        QCOMPARE(middleBorder.Y1, 10.0f);
        QCOMPARE(middleBorder.Y2, -10.0f);
    }

    void propertiesMarkChangedByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("ShadowColor") << "ShadowColor" << QVariant::fromValue<OleColor>(Red);
        QTest::newRow("HighlightColor") << "HighlightColor" << QVariant::fromValue<OleColor>(Blue);
        QTest::newRow("BackColor") << "BackColor" << QVariant::fromValue<OleColor>(White);
        QTest::newRow("Panel") << "Panel" << QVariant(true);
        QTest::newRow("Caption") << "Caption" << QVariant(QStringLiteral("Options"));
        QTest::newRow("Alignment") << "Alignment" << QVariant::fromValue<short>(4);
        QTest::newRow("Font") << "Font" << QVariant(QFont(QStringLiteral("Monospace"), 20));
        QTest::newRow("ForeColor") << "ForeColor" << QVariant::fromValue<OleColor>(Green);
        QTest::newRow("Docking") << "Docking" << QVariant::fromValue<short>(5);
        QTest::newRow("BorderStyle") << "BorderStyle" << QVariant::fromValue<short>(0);
        QTest::newRow("ID") << "ID" << QVariant(123456);
    }
    void propertiesMarkChangedByName() {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        DesignedPanel d;
        const QByteArray key = name.toLatin1();
        QVERIFY(d.panel->metaObject()->indexOfProperty(key.constData()) >= 0);
        QSignalSpy changed(d.panel, &LxPanel::PropertyChanged);
        QVERIFY(d.panel->setProperty(key.constData(), value));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), name);
        QVERIFY(PropertyBag::sameValue(d.panel->property(key.constData()), value));
    }

    void lineVisibility_data() {
        QTest::addColumn<bool>("panel");
        QTest::addColumn<short>("borderStyle");
        QTest::addColumn<QList<bool>>("expected");
        const QList<bool> none{false, false, false, false, false, false};
        const QList<bool> horizontal{true, true, true, false, false, false};
        const QList<bool> all{true, true, true, true, true, true};
        QTest::newRow("menu placeholder") << false << short{1} << horizontal;
        QTest::newRow("3D panel") << true << short{1} << all;
        QTest::newRow("3D panel, no border") << true << short{0} << none;
        QTest::newRow("menu placeholder, no border") << false << short{0} << none;
        QTest::newRow("border style 2 acts as 1") << true << short{2} << all;
        QTest::newRow("negative border style acts as 1") << false << short{-3} << horizontal;
    }
    void lineVisibility() {
        QFETCH(bool, panel);
        QFETCH(short, borderStyle);
        QFETCH(QList<bool>, expected);
        // Either setter applies the rule, in whichever order they come.
        DesignedPanel panelFirst;
        panelFirst.panel->setPanel(panel);
        panelFirst.panel->setBorderStyle(borderStyle);
        QCOMPARE(visibility(*panelFirst.panel), expected);
        DesignedPanel borderFirst;
        borderFirst.panel->setBorderStyle(borderStyle);
        borderFirst.panel->setPanel(panel);
        QCOMPARE(visibility(*borderFirst.panel), expected);
    }

    void borderStyleBackShowsLinesPlacedForCurrentSize() {
        DesignedPanel d;
        d.panel->setBorderStyle(0);
        d.panel->setPanel(true);
        d.panel->Move(0, 0, 3000, 1500);
        QCOMPARE(visibility(*d.panel), QList<bool>({false, false, false, false, false, false}));
        d.panel->setBorderStyle(1);
        QCOMPARE(visibility(*d.panel), QList<bool>({true, true, true, true, true, true}));
        QCOMPARE(d.panel->lines().linRightBorder.X1, 2985.0f);
        QCOMPARE(d.panel->lines().linBottom.Y1, 1490.0f);
    }

    void coloursWaitForTheNextLayoutPass_data() {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("Caption") << "Caption";
        QTest::newRow("Alignment") << "Alignment";
        QTest::newRow("Font") << "Font";
        QTest::newRow("panel resize") << "resize";
    }
    void coloursWaitForTheNextLayoutPass() {
        QFETCH(QString, trigger);
        DesignedPanel d;
        const QList<OleColor> before = colours(*d.panel);
        d.panel->setShadowColor(Red);
        d.panel->setHighlightColor(Blue);
        d.panel->setPanel(true);
        d.panel->setBorderStyle(2);
        d.panel->repaint();
        QCOMPARE(colours(*d.panel), before);

        if (trigger == u"Caption") {
            d.panel->setCaption(QStringLiteral("Menu"));
        } else if (trigger == u"Alignment") {
            d.panel->setAlignment(3);
        } else if (trigger == u"Font") {
            d.panel->setFont(QFont(QStringLiteral("Serif"), 10));
        } else {
            d.panel->Move(0, 0, 3000, 2000);
        }
        QCOMPARE(colours(*d.panel), QList<OleColor>({Red, Blue, Red, Red, Blue, Red}));
    }

    void captionPlacementKeepsHalves() {
        DesignedPanel d;
        const CaptionLabel* caption = d.caption();
        // Odd room on both axes: the centre falls on half twips.
        d.panel->Move(0, 0, caption->Width() + 1001, caption->Height() + 501);
        d.panel->setAlignment(4);
        QCOMPARE(caption->Left(), 500.5f);
        QCOMPARE(caption->Top(), 250.5f);
    }

    void captionFollowsItsTextAndFont() {
        DesignedPanel d;
        d.panel->setAlignment(8);
        const CaptionLabel* caption = d.caption();
        const float shortWidth = caption->Width();
        d.panel->setCaption(QStringLiteral("A much longer caption"));
        QVERIFY(caption->Width() > shortWidth);
        QCOMPARE(caption->Left(), d.panel->Width() - caption->Width() - 30);
        const float smallHeight = caption->Height();
        d.panel->setFont(QFont(QStringLiteral("Serif"), 30));
        QVERIFY(caption->Height() > smallHeight);
        QCOMPARE(caption->Top(), d.panel->Height() - caption->Height() - 30);
    }

    // A caption that nobody has seen yet is measured late; wherever its size is read, it is
    // the size of its text.
    void captionSizeIsItsTextsWhenRead_data() {
        QTest::addColumn<bool>("readFromBag");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("expected");

        QTest::newRow("new, shown") << false << true << "LxPanel";
        QTest::newRow("read, laid out unshown") << true << false << "Menu";
        QTest::newRow("read, shown") << true << true << "Menu";
    }

    void captionSizeIsItsTextsWhenRead() {
        QFETCH(bool, readFromBag);
        QFETCH(bool, shown);
        QFETCH(QString, expected);
        QWidget host;
        auto* panel = new LxPanel(&host);
        const QFont font(QStringLiteral("Serif"), 14);
        if (readFromBag) {
            PropertyBag bag;
            bag.insert(QStringLiteral("Caption"), expected);
            bag.insert(QStringLiteral("Font"), font);
            panel->ReadProperties(bag);
        } else {
            panel->setFont(font);
            panel->InitProperties();
        }
        if (shown) {
            host.show();
            QVERIFY(QTest::qWaitForWindowExposed(&host));
        }
        const auto* caption = panel->findChild<CaptionLabel*>(QStringLiteral("lblCaption"));
        const QFontMetrics metrics(caption->font());
        QCOMPARE(caption->Width(), lx::twips::fromPixels(metrics.horizontalAdvance(expected)));
        QCOMPARE(caption->Height(), lx::twips::fromPixels(metrics.height()));
    }

    void unknownAlignmentLeavesCaption() {
        DesignedPanel d;
        d.panel->setAlignment(5);
        const float left = d.caption()->Left();
        const float top = d.caption()->Top();
        d.panel->setAlignment(9);
        d.panel->Move(0, 0, 6000, 5000);
        QCOMPARE(d.caption()->Left(), left);
        QCOMPARE(d.caption()->Top(), top);
    }

    void newPanelStoresOnlyFont() {
        DesignedPanel d;
        PropertyBag bag;
        d.panel->WriteProperties(bag);
        QCOMPARE(bag.keys(), QStringList{QStringLiteral("Font")});
    }

    void emptiedCaptionIsStored() {
        DesignedPanel d;
        d.panel->setCaption(QString());
        PropertyBag bag;
        d.panel->WriteProperties(bag);
        QVERIFY(bag.contains(QStringLiteral("Caption")));
        QCOMPARE(bag.ReadProperty(QStringLiteral("Caption"), QStringLiteral("LxPanel")).toString(),
                 QString());

        DesignedPanel reloaded;
        reloaded.panel->ReadProperties(bag);
        QCOMPARE(reloaded.panel->Caption(), QString());
    }

    void bagRoundTrip() {
        DesignedPanel d;
        LxPanel& p = *d.panel;
        p.setShadowColor(Red);
        p.setHighlightColor(Blue);
        p.setBackColor(White);
        p.setPanel(true);
        p.setCaption(QStringLiteral("Options"));
        p.setAlignment(7);
        p.setFont(QFont(QStringLiteral("Monospace"), 11));
        p.setForeColor(Green);
        p.setDocking(9);
        p.setBorderStyle(2);
        p.setID(987654321);
        PropertyBag bag;
        p.WriteProperties(bag);
        QCOMPARE(bag.keys(),
                 QStringList({"ShadowColor", "HighlightColor", "BackColor", "Panel", "Caption",
                              "Alignment", "Font", "ForeColor", "Docking", "BorderStyle", "ID"}));

        DesignedPanel reloaded;
        LxPanel& r = *reloaded.panel;
        r.ReadProperties(bag);
        for (const char* name :
             {"ShadowColor", "HighlightColor", "BackColor", "Panel", "Caption", "Alignment", "Font",
              "ForeColor", "Docking", "BorderStyle", "ID"}) {
            QVERIFY2(PropertyBag::sameValue(r.property(name), p.property(name)), name);
        }
        PropertyBag again;
        r.WriteProperties(again);
        QVERIFY(again == bag);
    }

    void readingLaysOutThroughTheSetters() {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("ShadowColor"), Red);
        bag.WriteProperty(QStringLiteral("Panel"), true);
        bag.WriteProperty(QStringLiteral("Alignment"), 2);
        DesignedPanel d;
        d.panel->ReadProperties(bag);
        // No paint has happened yet; the Alignment setter laid the panel out.
        QCOMPARE(d.panel->lines().linTop.BorderColor, Red);
        QCOMPARE(d.caption()->Left(), d.panel->Width() - d.caption()->Width() - 30);
        QCOMPARE(visibility(*d.panel), QList<bool>({true, true, true, true, true, true}));
    }

    void firstPaintAfterReadingLaysOutOnce() {
        DesignedPanel d;
        d.panel->ReadProperties(PropertyBag());
        d.panel->setShadowColor(Red);
        d.panel->repaint();
        QCOMPARE(d.panel->lines().linTop.BorderColor, Red);
        d.panel->setShadowColor(Blue);
        d.panel->repaint();
        QCOMPARE(d.panel->lines().linTop.BorderColor, Red);
    }

    void badBagValueRaisesInsteadOfWrapping() {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Alignment"), 40000);
        DesignedPanel d;
        try {
            d.panel->ReadProperties(bag);
            QFAIL("an Alignment beyond 16 bits was accepted");
        } catch (const lx::RuntimeError& error) {
            QCOMPARE(error.number(), lx::ErrorNumber::Overflow);
        }
        QCOMPARE(d.panel->Alignment(), short{0});
    }

    void paintsVisibleLinesInTheirColours_data() {
        QTest::addColumn<bool>("panel");
        QTest::newRow("menu placeholder") << false;
        QTest::newRow("3D panel") << true;
    }
    void paintsVisibleLinesInTheirColours() {
        QFETCH(bool, panel);
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("ShadowColor"), Red);
        bag.WriteProperty(QStringLiteral("HighlightColor"), Blue);
        bag.WriteProperty(QStringLiteral("BackColor"), White);
        bag.WriteProperty(QStringLiteral("Panel"), panel);
        bag.WriteProperty(QStringLiteral("Caption"), QString());
        DesignedPanel d;
        d.panel->ReadProperties(bag);
        const QImage image = d.panel->grab().toImage();
        const auto& l = d.panel->lines();
        const float midX = d.panel->Width() / 2;
        const float midY = d.panel->Height() / 2;
        QCOMPARE(pixelAt(image, midX, l.linTop.Y1), rgb(Red));
        QCOMPARE(pixelAt(image, midX, l.linMiddle.Y1), rgb(Blue));
        QCOMPARE(pixelAt(image, midX, l.linBottom.Y1), rgb(Red));
        QCOMPARE(pixelAt(image, midX, midY), rgb(White));
        const QColor side = panel ? rgb(Red) : rgb(White);
        const QColor innerSide = panel ? rgb(Blue) : rgb(White);
        QCOMPARE(pixelAt(image, l.linLeftBorder.X1, midY), side);
        QCOMPARE(pixelAt(image, l.linMiddleBorder.X1, midY), innerSide);
        QCOMPARE(pixelAt(image, l.linRightBorder.X1, midY), side);
    }

    void noBorderPaintsNoLine() {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("BackColor"), White);
        bag.WriteProperty(QStringLiteral("Panel"), true);
        bag.WriteProperty(QStringLiteral("BorderStyle"), 0);
        bag.WriteProperty(QStringLiteral("Caption"), QString());
        DesignedPanel d;
        d.panel->ReadProperties(bag);
        QImage expected(d.panel->size(), QImage::Format_RGB32);
        expected.fill(rgb(White));
        QCOMPARE(d.panel->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
    }
};

QTEST_MAIN(TestLxPanel)
#include "test_lx_panel.moc"
