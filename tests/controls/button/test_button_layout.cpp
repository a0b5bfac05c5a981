// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button/button_layout.h"

#include <QTest>

using lx::ButtonLayoutInput;
using lx::ButtonPosition;

// A face of 1500 x 600 twips, a 300 x 240 picture, a 450 x 195 caption,
// margin 45 and, when pressed, offset 15.
class TestButtonLayout : public QObject {
    Q_OBJECT

private slots:
    void positions_data();
    void positions();
};

void TestButtonLayout::positions_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<float>("shift");
    QTest::addColumn<float>("scaleLeft");
    QTest::addColumn<float>("scaleTop");
    QTest::addColumn<float>("pictureX");
    QTest::addColumn<float>("pictureY");
    QTest::addColumn<float>("captionX");
    QTest::addColumn<float>("captionY");

    QTest::newRow("left picture") << 0 << true << 0.0f << 0.0f << 0.0f //
                                  << 45.0f << 180.0f << 675.0f << 202.5f;
    QTest::newRow("left picture pressed") << 0 << true << 15.0f << 0.0f << 0.0f //
                                          << 60.0f << 195.0f << 690.0f << 217.5f;
    QTest::newRow("left picture, scale origin moved") << 0 << true << 0.0f << 30.0f << 60.0f //
                                                      << 75.0f << 210.0f << 690.0f << 232.5f;
    QTest::newRow("right picture") << 1 << true << 0.0f << 0.0f << 0.0f //
                                   << 1155.0f << 180.0f << 45.0f << 202.5f;
    QTest::newRow("right picture pressed") << 1 << true << 15.0f << 0.0f << 0.0f //
                                           << 1170.0f << 195.0f << 60.0f << 217.5f;
    QTest::newRow("picture on top") << 2 << true << 0.0f << 0.0f << 0.0f //
                                    << 600.0f << 45.0f << 525.0f << 330.0f;
    QTest::newRow("picture on top pressed moves twice across")
        << 2 << true << 15.0f << 0.0f << 0.0f //
        << 630.0f << 60.0f << 555.0f << 345.0f;
    QTest::newRow("negative code is picture on top") << -1 << true << 0.0f << 0.0f << 0.0f //
                                                     << 600.0f << 45.0f << 525.0f << 330.0f;
    QTest::newRow("no picture, code 0") << 0 << false << 0.0f << 0.0f << 0.0f //
                                        << 0.0f << 0.0f << 525.0f << 202.5f;
    QTest::newRow("no picture, code 1") << 1 << false << 0.0f << 0.0f << 0.0f //
                                        << 0.0f << 0.0f << 525.0f << 202.5f;
    QTest::newRow("no picture, on top, pressed moves once across")
        << 2 << false << 15.0f << 0.0f << 0.0f //
        << 0.0f << 0.0f << 540.0f << 217.5f;
}

void TestButtonLayout::positions() {
    QFETCH(int, alignment);
    QFETCH(bool, withPicture);
    QFETCH(float, shift);
    QFETCH(float, scaleLeft);
    QFETCH(float, scaleTop);
    QFETCH(float, pictureX);
    QFETCH(float, pictureY);
    QFETCH(float, captionX);
    QFETCH(float, captionY);

    ButtonLayoutInput in;
    in.scaleLeft = scaleLeft;
    in.scaleTop = scaleTop;
    in.scaleWidth = 1500;
    in.scaleHeight = 600;
    if (withPicture) {
        in.pictureSize = ButtonPosition{300, 240};
    }
    in.textWidth = 450;
    in.textHeight = 195;
    in.delta = 45;
    in.shift = shift;
    in.alignment = alignment;

    const lx::ButtonLayout layout = lx::layOutButton(in);
    QCOMPARE(layout.picture.has_value(), withPicture);
    if (withPicture) {
        QCOMPARE(layout.picture->x, pictureX);
        QCOMPARE(layout.picture->y, pictureY);
    }
    QCOMPARE(layout.caption.x, captionX);
    QCOMPARE(layout.caption.y, captionY);
}

QTEST_APPLESS_MAIN(TestButtonLayout)
#include "test_button_layout.moc"
