// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ole_color.h"
#include "platform/settings_store.h"
#include "platform/twips.h"

#include <QTemporaryDir>
#include <QTest>

namespace oc = lx::ole_color;

class TestPlatformBasics : public QObject {
    Q_OBJECT
private slots:
    void resolve_data() {
        QPalette palette;
        palette.setColor(QPalette::Button, QColor(1, 1, 1));
        palette.setColor(QPalette::Mid, QColor(2, 2, 2));
        palette.setColor(QPalette::ButtonText, QColor(3, 3, 3));
        palette.setColor(QPalette::Light, QColor(4, 4, 4));
        palette.setColor(QPalette::Text, QColor(5, 5, 5));
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("red is the low byte") << palette << 0x000000FFu << QColor(255, 0, 0);
        QTest::newRow("blue is the high byte") << palette << 0x00FF0000u << QColor(0, 0, 255);
        QTest::newRow("mixed") << palette << 0x00804020u << QColor(0x20, 0x40, 0x80);
        QTest::newRow("button face") << palette << oc::ButtonFace << QColor(1, 1, 1);
        QTest::newRow("button shadow") << palette << oc::ButtonShadow << QColor(2, 2, 2);
        QTest::newRow("button text") << palette << oc::ButtonText << QColor(3, 3, 3);
        QTest::newRow("3D highlight") << palette << oc::Highlight3D << QColor(4, 4, 4);
        QTest::newRow("window text") << palette << oc::WindowText << QColor(5, 5, 5);
    }
    void resolve() {
        QFETCH(QPalette, palette);
        QFETCH(uint, colour);
        QTEST(oc::resolve(colour, palette), "expected");
    }

    void fromRgbRoundTrips() {
        const QColor rgb(0x12, 0x34, 0x56);
        QCOMPARE(oc::fromRgb(rgb), 0x00563412u);
        QCOMPARE(oc::resolve(oc::fromRgb(rgb), QPalette()), rgb);
    }

    void twipsToPixels_data() {
        QTest::addColumn<float>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole pixel") << 4980.0f << 332;
        QTest::newRow("half pixel rounds to even down") << 7.5f << 0;
        QTest::newRow("half pixel rounds to even up") << 22.5f << 2;
        QTest::newRow("negative") << -30.0f << -2;
    }
    void twipsToPixels() {
        QFETCH(float, twips);
        QTEST(lx::twips::toPixels(twips), "pixels");
    }

    void settingsStoreKeepsTextPerSection() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("s.ini"));
        {
            lx::SettingsStore store(file);
            QCOMPARE(store.GetSetting("LxTervan", "frmA", "Left", "default"),
                     QStringLiteral("default"));
            store.SaveSetting("LxTervan", "frmA", "Left", "1267.5");
            store.SaveSetting("LxTervan", "frmB", "Left", "15");
        }
        lx::SettingsStore reopened(file);
        QCOMPARE(reopened.GetSetting("LxTervan", "frmA", "Left"), QStringLiteral("1267.5"));
        QCOMPARE(reopened.GetSetting("LxTervan", "frmB", "Left"), QStringLiteral("15"));
        QVERIFY(!reopened.contains("LxTervan", "frmA", "Top"));
        QCOMPARE(reopened.GetSetting("Other", "frmA", "Left", "none"), QStringLiteral("none"));
    }
};

QTEST_MAIN(TestPlatformBasics)
#include "test_platform_basics.moc"
