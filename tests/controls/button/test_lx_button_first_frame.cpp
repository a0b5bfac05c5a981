// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A button whose drawing waited until it was seen shows the same as one that drew at once.
#include "controls/button/lx_button.h"
#include "platform/picture_surface.h"
#include "platform/property_bag.h"

#include <QPainter>
#include <QTest>
#include <functional>
#include <memory>

using lx::LxButton;

namespace {

QPixmap picture(QColor colour) {
    QPixmap pixmap(20, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(1, 1, 18, 14));
    return pixmap;
}

struct Content {
    bool isSwitch = false;
    bool value = false;
    bool withPicture = true;
    QString caption;
};

// As the form loader restores a button; the looks have fonts and colours of their own.
void readFromFormFile(LxButton& button, const Content& content) {
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    QFont bold = font;
    bold.setBold(true);
    lx::PropertyBag bag;
    bag.insert(QStringLiteral("Font"), font);
    bag.insert(QStringLiteral("ForeColor"), static_cast<uint>(lx::ole_color::WindowText));
    if (content.withPicture) {
        bag.insert(QStringLiteral("Picture"), picture(QColor(30, 110, 200)));
        bag.insert(QStringLiteral("SelectedPicture"), picture(QColor(200, 60, 30)));
        bag.insert(QStringLiteral("PressedPicture"), picture(QColor(40, 160, 40)));
    }
    bag.insert(QStringLiteral("Caption"), content.caption);
    bag.insert(QStringLiteral("FontSelected"), bold);
    bag.insert(QStringLiteral("FontPressed"), bold);
    bag.insert(QStringLiteral("ForeColorSelected"), 0x00800000u);
    bag.insert(QStringLiteral("ForeColorPressed"), 0x00000080u);
    bag.insert(QStringLiteral("Switch"), content.isSwitch);
    bag.insert(QStringLiteral("Value"), content.value);
    button.ReadProperties(bag);
    button.Move(150, 150, 2400, 540);
}

// As the Details' Copy button: set up by code at its first size, then made smaller.
void setUpByCodeThenMadeSmaller(LxButton& button, const Content& content) {
    button.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    button.setForeColor(lx::ole_color::WindowText);
    button.setPicture(picture(QColor(30, 110, 200)));
    button.setCaption(content.caption);
    button.Move(150, 150, 1200, 330);
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

using Build = std::function<void(LxButton&, const Content&)>;
// The look of the frame: a shown button starts flat; the others follow the mouse.
using Look = std::function<void(LxButton&)>;
Q_DECLARE_METATYPE(Build)
Q_DECLARE_METATYPE(Look)
Q_DECLARE_METATYPE(Content)

class TestLxButtonFirstFrame : public QObject {
    Q_OBJECT

private slots:
    void firstFrameIsTheSame_data();
    void firstFrameIsTheSame();
    void hiddenButtonShownLaterPaintsOnce_data();
    void hiddenButtonShownLaterPaintsOnce();

private:
    // The frame of a button that drew everything at once: it was on screen from the start.
    static QImage drawnAtOnce(const Build& build, const Content& content, bool enabled,
                              const Look& look) {
        QWidget host;
        host.resize(240, 80);
        host.show();
        if (!QTest::qWaitForWindowExposed(&host)) {
            return {};
        }
        auto* button = new LxButton(&host);
        button->show();
        button->setEnabled(enabled);
        build(*button, content);
        look(*button);
        return button->grab().toImage();
    }
};

void TestLxButtonFirstFrame::firstFrameIsTheSame_data() {
    QTest::addColumn<Build>("build");
    QTest::addColumn<Content>("content");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<Look>("look");
    QTest::addColumn<bool>("shown"); // false: grabbed unshown, as a designer's preview does

    const QList<std::pair<const char*, Look>> looks = {
        {"flat", [](LxButton&) {}},
        {"raised", [](LxButton& b) { b.DrawSelected(); }},
        {"sunken", [](LxButton& b) { b.DrawPressed(); }}};
    const QList<std::pair<const char*, Content>> kinds = {
        {"picture and caption", {false, false, true, QStringLiteral("&Calculate (F5)")}},
        {"picture only", {false, false, true, QString()}},
        {"caption only", {false, false, false, QStringLiteral("On &top")}},
        {"neither", {false, false, false, QString()}},
        {"switch on", {true, true, true, QStringLiteral("Details")}},
        {"switch off", {true, false, true, QStringLiteral("Details")}}};
    for (const bool enabled : {true, false}) {
        const char* state = enabled ? "enabled" : "disabled";
        for (const auto& [lookName, look] : looks) {
            for (const auto& [kindName, content] : kinds) {
                QTest::addRow("%s, %s, %s", lookName, kindName, state)
                    << Build(readFromFormFile) << content << enabled << look << true;
            }
        }
        QTest::addRow("grabbed unshown, %s", state)
            << Build(readFromFormFile) << kinds[4].second << enabled << looks[0].second << false;
        // The face drawn at the first size covers the smaller button: only the shown button's
        // own draw may replace that look.
        QTest::addRow("set up by code, then made smaller, %s", state)
            << Build(setUpByCodeThenMadeSmaller)
            << Content{false, false, true, QStringLiteral("Copy")} << enabled << looks[0].second
            << true;
    }
}

void TestLxButtonFirstFrame::firstFrameIsTheSame() {
    QFETCH(Build, build);
    QFETCH(Content, content);
    QFETCH(bool, enabled);
    QFETCH(Look, look);
    QFETCH(bool, shown);
    const QImage expected = drawnAtOnce(build, content, enabled, look);
    QVERIFY(!expected.isNull());

    QWidget host;
    host.resize(240, 80);
    auto* button = new LxButton(&host);
    button->setEnabled(enabled);
    build(*button, content);
    if (shown) {
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
    }
    look(*button);

    QCOMPARE(button->grab().toImage(), expected);
}

void TestLxButtonFirstFrame::hiddenButtonShownLaterPaintsOnce_data() {
    QTest::addColumn<float>("widthWhileHidden"); // 0: not resized

    QTest::newRow("shown as it was read") << 0.0f;
    QTest::newRow("resized while hidden") << 1800.0f;
}

// Details switched on after start-up, a panel docked after a resize: the button is drawn when
// it is first painted, once, at its size then.
void TestLxButtonFirstFrame::hiddenButtonShownLaterPaintsOnce() {
    QFETCH(float, widthWhileHidden);
    const Content content{false, false, true, QStringLiteral("&Calculate (F5)")};
    const auto resize = [widthWhileHidden](LxButton& button) {
        if (widthWhileHidden > 0) {
            button.Move(button.Left(), button.Top(), widthWhileHidden, button.Height());
        }
    };
    const Build build = [&](LxButton& b, const Content& c) {
        readFromFormFile(b, c);
        resize(b);
    };
    const QImage expected = drawnAtOnce(build, content, true, [](LxButton&) {});

    QWidget host;
    host.resize(240, 80);
    auto* button = new LxButton(&host);
    button->hide();
    readFromFormFile(*button, content);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    resize(*button);
    auto& face = *button->findChild<lx::PictureSurface*>(QStringLiteral("picButton"));
    QVERIFY(face.Image().isNull()); // nothing drawn while nobody could see it
    const PaintCounter facePaints(face);
    // The face covers the button: a paint of the button itself would draw it a second time.
    const PaintCounter buttonPaints(*button);

    button->show();
    QTRY_COMPARE(facePaints.paints, 1);
    QCoreApplication::processEvents(); // no second frame follows to mend the first
    QCOMPARE(facePaints.paints, 1);
    QCOMPARE(buttonPaints.paints, 0);
    QCOMPARE(face.geometry(), button->rect());
    QCOMPARE(button->grab().toImage(), expected);
}

QTEST_MAIN(TestLxButtonFirstFrame)
#include "test_lx_button_first_frame.moc"
