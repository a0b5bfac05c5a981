// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button/lx_button.h"
#include "platform/picture_surface.h"

#include <QDir>
#include <QPainter>
#include <QTest>
#include <memory>

using lx::LxButton;

namespace {

// Direct OLE colours (0x00BBGGRR) and what they look like.
constexpr lx::OleColor OleRed = 0x000000FF;
constexpr lx::OleColor OleBlue = 0x00FF0000;
constexpr lx::OleColor OleGreen = 0x0000FF00;
constexpr lx::OleColor OleWhite = 0x00FFFFFF;
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);
const QColor White(255, 255, 255);

QPixmap solid(QColor colour, int width = 20, int height = 16) {
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    return pixmap;
}

QRect boundsWhere(const QImage& image, const std::function<bool(QColor)>& matches) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (matches(image.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QRect boundsOf(const QImage& image, QColor colour) {
    return boundsWhere(image, [&](QColor c) { return c == colour; });
}

QRect inkBounds(const QImage& image, QColor background) {
    return boundsWhere(image, [&](QColor c) { return c != background; });
}

} // namespace

Q_DECLARE_METATYPE(std::function<void(LxButton&)>)
using Draw = std::function<void(LxButton&)>;

class TestLxButtonDrawing : public QObject {
    Q_OBJECT

private slots:
    void init();
    void borderLines_data();
    void borderLines();
    void systemColoursComeFromThePalette();
    void pictureOfEachLook_data();
    void pictureOfEachLook();
    void picturePosition_data();
    void picturePosition();
    void pressedOffsetMovesTheCaption_data();
    void pressedOffsetMovesTheCaption();
    void captionWithoutPictureIsCentred();
    void ampersandUnderlinesTheNextCharacter();
    void refreshPrintsTheAmpersands();
    void designerShowsTheFormsLookAfterAChange();
    void unselectedLookCoversTheControl();
    void firstDrawAfterResizeLaysOutForTheNewSize();
    void rendersTheThreeLooksToPng();

private:
    QImage face() const {
        return m_button->findChild<lx::PictureSurface*>("picButton")->Image().toImage();
    }

    std::unique_ptr<QWidget> m_host;
    LxButton* m_button = nullptr;
};

void TestLxButtonDrawing::init() {
    m_host = std::make_unique<QWidget>();
    m_button = new LxButton(m_host.get());
    m_button->InitProperties();
    m_button->setUserMode(false);
    m_button->Move(0, 0, 1500, 600); // 100 x 40 pixels
    m_button->setBackColor(OleGreen);
    m_button->setCaption(QString());
    m_button->DrawUnSelected();
}

void TestLxButtonDrawing::borderLines_data() {
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");

    QTest::newRow("selected is raised")
        << Draw([](LxButton& b) { b.DrawSelected(); }) << Red << Blue;
    QTest::newRow("pressed is sunken") << Draw([](LxButton& b) { b.DrawPressed(); }) << Blue << Red;
    QTest::newRow("unselected is flat")
        << Draw([](LxButton& b) { b.DrawUnSelected(); }) << Green << Green;
}

void TestLxButtonDrawing::borderLines() {
    QFETCH(Draw, draw);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);
    m_button->setLightBorderColor(OleRed);
    m_button->setDarkBorderColor(OleBlue);

    draw(*m_button);

    const QImage image = face();
    QCOMPARE(image.size(), QSize(100, 40));
    QCOMPARE(image.pixelColor(50, 0), topLeft);
    QCOMPARE(image.pixelColor(0, 20), topLeft);
    QCOMPARE(image.pixelColor(99, 20), bottomRight);
    QCOMPARE(image.pixelColor(50, 39), bottomRight);
    // The lines are one pixel wide and nothing else is drawn.
    QCOMPARE(image.pixelColor(98, 20), Green);
    QCOMPARE(image.pixelColor(50, 38), Green);
    QCOMPARE(boundsWhere(image.copy(1, 1, 98, 38), [](QColor c) { return c != Green; }), QRect());
}

void TestLxButtonDrawing::systemColoursComeFromThePalette() {
    QPalette palette = m_host->palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Light, QColor(200, 210, 220));
    m_host->setPalette(palette);
    m_button->setBackColor(lx::ole_color::ButtonFace);
    m_button->setLightBorderColor(lx::ole_color::Highlight3D);

    m_button->DrawSelected();

    QCOMPARE(face().pixelColor(50, 20), QColor(10, 20, 30));
    QCOMPARE(face().pixelColor(50, 0), QColor(200, 210, 220));
}

void TestLxButtonDrawing::pictureOfEachLook_data() {
    QTest::addColumn<bool>("isSwitch");
    QTest::addColumn<bool>("value");
    QTest::addColumn<bool>("withSelected");
    QTest::addColumn<bool>("withPressed");
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QColor>("shown"); // white: no picture at all

    const Draw unselected = [](LxButton& b) { b.DrawUnSelected(); };
    const Draw selected = [](LxButton& b) { b.DrawSelected(); };
    const Draw pressed = [](LxButton& b) { b.DrawPressed(); };
    const Draw refresh = [](LxButton& b) { b.Refresh(); };

    QTest::newRow("unselected shows Picture")
        << false << false << true << true << unselected << Red;
    QTest::newRow("selected shows SelectedPicture")
        << false << false << true << true << selected << Green;
    QTest::newRow("selected without one shows Picture")
        << false << false << false << true << selected << Red;
    QTest::newRow("pressed shows PressedPicture")
        << false << false << true << true << pressed << Blue;
    QTest::newRow("pressed without one shows Picture")
        << false << false << true << false << pressed << Red;
    QTest::newRow("switch on, unselected") << true << true << true << true << unselected << Green;
    QTest::newRow("switch on, selected") << true << true << true << true << selected << Green;
    QTest::newRow("switch on, pressed") << true << true << true << true << pressed << Green;
    QTest::newRow("switch off, selected") << true << false << true << true << selected << Red;
    QTest::newRow("switch off, pressed") << true << false << true << true << pressed << Red;
    QTest::newRow("switch on without SelectedPicture has none")
        << true << true << false << true << unselected << White;
    QTest::newRow("refresh of a switch that is on shows Picture")
        << true << true << true << true << refresh << Red;
}

void TestLxButtonDrawing::pictureOfEachLook() {
    QFETCH(bool, isSwitch);
    QFETCH(bool, value);
    QFETCH(bool, withSelected);
    QFETCH(bool, withPressed);
    QFETCH(Draw, draw);
    QFETCH(QColor, shown);
    m_button->setBackColor(OleWhite);
    m_button->setLightBorderColor(OleWhite);
    m_button->setDarkBorderColor(OleWhite);
    m_button->setPicture(solid(Red));
    if (withSelected) {
        m_button->setSelectedPicture(solid(Green));
    }
    if (withPressed) {
        m_button->setPressedPicture(solid(Blue));
    }
    m_button->setSwitch(isSwitch);
    m_button->setValue(value);

    draw(*m_button);

    const QImage image = face();
    for (const QColor& colour : {Red, Green, Blue}) {
        QCOMPARE(boundsOf(image, colour).isEmpty(), colour != shown);
    }
}

void TestLxButtonDrawing::picturePosition_data() {
    QTest::addColumn<short>("alignment");
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QPoint>("topLeft");

    const Draw unselected = [](LxButton& b) { b.DrawUnSelected(); };
    const Draw selected = [](LxButton& b) { b.DrawSelected(); };
    const Draw pressed = [](LxButton& b) { b.DrawPressed(); };
    // 100 x 40 face, 20 x 16 picture, margin 3 pixels, offset 1 pixel.
    QTest::newRow("left") << short(0) << unselected << QPoint(3, 12);
    QTest::newRow("left, selected") << short(0) << selected << QPoint(3, 12);
    QTest::newRow("left, pressed") << short(0) << pressed << QPoint(4, 13);
    QTest::newRow("right") << short(1) << unselected << QPoint(77, 12);
    QTest::newRow("right, pressed") << short(1) << pressed << QPoint(78, 13);
    QTest::newRow("top") << short(2) << unselected << QPoint(40, 3);
    QTest::newRow("top, pressed") << short(2) << pressed << QPoint(42, 4);
}

void TestLxButtonDrawing::picturePosition() {
    QFETCH(short, alignment);
    QFETCH(Draw, draw);
    QFETCH(QPoint, topLeft);
    m_button->setPicture(solid(Red));
    m_button->setAlignment(alignment);

    draw(*m_button);

    QCOMPARE(boundsOf(face(), Red), QRect(topLeft, QSize(20, 16)));
}

void TestLxButtonDrawing::pressedOffsetMovesTheCaption_data() {
    QTest::addColumn<short>("alignment");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<QPoint>("offset");

    QTest::newRow("no picture") << short(2) << false << QPoint(1, 1);
    QTest::newRow("picture left") << short(0) << true << QPoint(1, 1);
    QTest::newRow("picture right") << short(1) << true << QPoint(1, 1);
    QTest::newRow("picture on top") << short(2) << true << QPoint(2, 1);
}

void TestLxButtonDrawing::pressedOffsetMovesTheCaption() {
    QFETCH(short, alignment);
    QFETCH(bool, withPicture);
    QFETCH(QPoint, offset);
    m_button->Move(0, 0, 1500, 900);
    m_button->setAlignment(alignment);
    if (withPicture) {
        m_button->setPicture(solid(Green, 8, 8)); // the background colour: no ink
    }
    m_button->setCaption(QStringLiteral("Go"));
    m_button->setForeColor(0);
    m_button->setForeColorPressed(0);
    m_button->setFontPressed(m_button->Font());

    m_button->DrawUnSelected();
    const QRect flat = inkBounds(face(), Green);
    m_button->DrawPressed();
    const QRect sunken = inkBounds(face().copy(1, 1, 98, 58), Green).translated(1, 1);

    QVERIFY(!flat.isEmpty());
    QCOMPARE(sunken, flat.translated(offset));
}

void TestLxButtonDrawing::captionWithoutPictureIsCentred() {
    m_button->setCaption(QStringLiteral("Calculate"));
    m_button->setForeColor(0);

    m_button->DrawUnSelected();

    const QRect ink = inkBounds(face(), Green);
    QVERIFY(!ink.isEmpty());
    // Ink lies within the advance width, so allow for the side bearings.
    QVERIFY2(qAbs(ink.left() - (99 - ink.right())) <= 2, qPrintable(QString::number(ink.left())));
    QVERIFY2(qAbs(ink.top() - (39 - ink.bottom())) <= 3, qPrintable(QString::number(ink.top())));
}

void TestLxButtonDrawing::ampersandUnderlinesTheNextCharacter() {
    m_button->setForeColor(0);
    m_button->setCaption(QStringLiteral("W"));
    m_button->DrawUnSelected();
    const QRect plain = inkBounds(face(), Green);

    m_button->setCaption(QStringLiteral("&W"));
    m_button->DrawUnSelected();
    const QRect underlined = inkBounds(face(), Green);

    QVERIFY(underlined.bottom() > plain.bottom());
}

void TestLxButtonDrawing::refreshPrintsTheAmpersands() {
    m_button->setForeColor(0);
    m_button->setCaption(QStringLiteral("&&&&"));
    m_button->DrawUnSelected();
    QVERIFY(inkBounds(face(), Green).isEmpty()); // only ampersands: nothing printed

    m_button->Refresh();
    QVERIFY(!inkBounds(face(), Green).isEmpty());
}

void TestLxButtonDrawing::designerShowsTheFormsLookAfterAChange() {
    m_button->setForeColor(0);
    m_button->setCaption(QStringLiteral("&&&&")); // Refresh prints the ampersands
    QVERIFY(!inkBounds(face(), Green).isEmpty());
    QTRY_VERIFY(inkBounds(face(), Green).isEmpty()); // then the look the form will have
}

void TestLxButtonDrawing::unselectedLookCoversTheControl() {
    auto* surface = m_button->findChild<lx::PictureSurface*>("picButton");
    m_button->Move(0, 0, 1200, 450);
    m_button->DrawSelected(); // keeps the face where it is
    QCOMPARE(surface->geometry(), QRect(0, 0, 100, 40));

    m_button->DrawUnSelected();

    QCOMPARE(surface->geometry(), QRect(0, 0, 80, 30));
    QCOMPARE(face().size(), QSize(80, 30));
}

void TestLxButtonDrawing::firstDrawAfterResizeLaysOutForTheNewSize() {
    m_button->setPicture(solid(Red));
    m_button->setAlignment(1);
    m_button->Move(0, 0, 1200, 450); // the face is still 100 x 40

    m_button->DrawUnSelected();

    // 80 - 3 - 20 across, (30 - 16) / 2 down.
    QCOMPARE(boundsOf(face(), Red), QRect(QPoint(57, 7), QSize(20, 16)));
}

void TestLxButtonDrawing::rendersTheThreeLooksToPng() {
    QPixmap arrow(24, 24);
    arrow.fill(Qt::transparent);
    {
        QPainter painter(&arrow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(30, 110, 200));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(QPolygon({QPoint(4, 2), QPoint(20, 12), QPoint(4, 22)}));
    }
    m_button->Move(0, 0, 1800, 540);
    m_button->setBackColor(lx::ole_color::ButtonFace);
    m_button->setPicture(arrow);
    m_button->setCaption(QStringLiteral("&Calculate"));
    m_button->setForeColor(lx::ole_color::ButtonText);
    m_button->setForeColorSelected(0x00800000);
    m_button->setForeColorPressed(0x00000080);

    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/button_looks"));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QList<std::pair<QString, Draw>> looks = {
        {QStringLiteral("unselected.png"), [](LxButton& b) { b.DrawUnSelected(); }},
        {QStringLiteral("selected.png"), [](LxButton& b) { b.DrawSelected(); }},
        {QStringLiteral("pressed.png"), [](LxButton& b) { b.DrawPressed(); }}};
    QList<QImage> images;
    for (const auto& [file, draw] : looks) {
        draw(*m_button);
        images.append(face());
        QVERIFY(images.last().save(folder.absoluteFilePath(file)));
        QCOMPARE(QImage(folder.absoluteFilePath(file)).size(), QSize(120, 36));
    }
    QVERIFY(images[0] != images[1]);
    QVERIFY(images[1] != images[2]);
}

QTEST_MAIN(TestLxButtonDrawing)
#include "test_lx_button_drawing.moc"
