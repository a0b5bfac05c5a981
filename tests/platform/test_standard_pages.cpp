// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ole_color.h"
#include "platform/standard_color_page.h"
#include "platform/standard_font_page.h"
#include "sample_control.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTest>

using lx::test::SampleControl;

class TestStandardPages : public QObject {
    Q_OBJECT

    static QStringList listed(const QWidget& page) {
        auto* list = page.findChild<QComboBox*>(QStringLiteral("cboProperties"));
        QStringList names;
        for (int i = 0; i < list->count(); ++i) {
            names.append(list->itemText(i));
        }
        return names;
    }

private slots:
    void colourPageListsColourPropertiesOnly() {
        SampleControl control;
        lx::StandardColorPage page;
        page.setSelectedControls({&control});
        QCOMPARE(listed(page), QStringList({"BackColor", "ForeColor"}));
    }

    void pickedColourGoesToEverySelectedControl() {
        SampleControl first;
        SampleControl second;
        lx::StandardColorPage page;
        page.setSelectedControls({&first, &second});
        page.findChild<QComboBox*>(QStringLiteral("cboProperties"))->setCurrentIndex(1);
        QVERIFY(!page.Changed());
        page.findChild<QColorDialog*>(QStringLiteral("colorPicker"))
            ->setCurrentColor(QColor(0x12, 0x34, 0x56));
        QVERIFY(page.Changed());
        QCOMPARE(first.ForeColor, 0x00000080u);
        QVERIFY(page.Apply());
        QCOMPARE(first.ForeColor, 0x00563412u);
        QCOMPARE(second.ForeColor, 0x00563412u);
        QCOMPARE(first.BackColor, 0x8000000Fu);
    }

    void fontPageListsTheControlsOwnFonts() {
        SampleControl control;
        lx::StandardFontPage page;
        page.setSelectedControls({&control});
        QCOMPARE(listed(page), QStringList({"Font"}));
    }

    void pickedFontIsApplied() {
        SampleControl control;
        lx::StandardFontPage page;
        page.setSelectedControls({&control});
        const QFont picked(QFontDatabase::families().constFirst(), 16);
        page.findChild<QFontDialog*>(QStringLiteral("fontPicker"))->setCurrentFont(picked);
        QVERIFY(page.Changed());
        QVERIFY(page.Apply());
        QCOMPARE(control.Font.family(), picked.family());
        QCOMPARE(control.Font.pointSize(), 16);
    }
};

QTEST_MAIN(TestStandardPages)
#include "test_standard_pages.moc"
