// A button whose drawing waited until it was shown shows the same as one that drew at once.
#include "controls/button/lx_button.h"
#include "platform/picture_surface.h"
#include "platform/property_bag.h"

#include <QPainter>
#include <QTest>
#include <functional>
#include <memory>

using lx::LxButton;

namespace {

constexpr lx::OleColor DarkBlue = 0x00800000;
constexpr lx::OleColor DarkRed = 0x00000080;

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

// What a button's form file holds: the looks have fonts and colours of their own.
struct Content {
    bool isSwitch = false;
    bool value = false;
    bool withPicture = true;
    QString caption;
};

lx::PropertyBag storedBag(const Content& content) {
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    QFont bold = font;
    bold.setBold(true);
    lx::PropertyBag bag;
    bag.insert(QStringLiteral("AutoRedraw"), true);
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
    bag.insert(QStringLiteral("ForeColorSelected"), static_cast<uint>(DarkBlue));
    bag.insert(QStringLiteral("ForeColorPressed"), static_cast<uint>(DarkRed));
    bag.insert(QStringLiteral("Switch"), content.isSwitch);
    bag.insert(QStringLiteral("Value"), content.value);
    return bag;
}

// Counts the paints of a widget.
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

lx::PictureSurface& face(LxButton& button) {
    return *button.findChild<lx::PictureSurface*>(QStringLiteral("picButton"));
}

} // namespace

// Makes the button what it is before it is shown: as the form loader does, or as code that
// sets it up at its first size and then makes it smaller (the Details' Copy button).
using Build = std::function<void(LxButton&, const Content&)>;
// The look the frame shows: a shown button starts flat; the others follow the mouse.
using Look = std::function<void(LxButton&)>;
Q_DECLARE_METATYPE(Build)
Q_DECLARE_METATYPE(Look)
Q_DECLARE_METATYPE(Content)

class TestLxButtonFirstFrame : public QObject {
    Q_OBJECT

private slots:
    void firstFrameIsTheSame_data();
    void firstFrameIsTheSame();
    void grabbedUnshownShowsItsLook_data();
    void grabbedUnshownShowsItsLook();
    void hiddenButtonShownLaterPaintsOnce_data();
    void hiddenButtonShownLaterPaintsOnce();

private:
    // The frame of a button that drew everything at once: it was on screen from the start.
    static QImage drawnAtOnce(const Build& build, const Content& content, bool enabled,
                              const Look& look);
};

namespace {

void readFromFormFile(LxButton& button, const Content& content) {
    button.ReadProperties(storedBag(content));
    button.Move(150, 150, 2400, 540);
}

void setUpByCodeThenMadeSmaller(LxButton& button, const Content& content) {
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    button.setFont(font);
    button.setFontSelected(font);
    button.setFontPressed(font);
    button.setForeColor(lx::ole_color::WindowText);
    if (content.withPicture) {
        button.setPicture(picture(QColor(30, 110, 200)));
    }
    button.setCaption(content.caption);
    button.Move(150, 150, 1200, 330);
}

std::unique_ptr<QWidget> newHost() {
    auto host = std::make_unique<QWidget>();
    host->resize(240, 80);
    return host;
}

} // namespace

QImage TestLxButtonFirstFrame::drawnAtOnce(const Build& build, const Content& content, bool enabled,
                                           const Look& look) {
    const auto host = newHost();
    host->show();
    if (!QTest::qWaitForWindowExposed(host.get())) {
        return {};
    }
    auto* button = new LxButton(host.get());
    button->show();
    button->setEnabled(enabled);
    build(*button, content);
    look(*button);
    return button->grab().toImage();
}

void TestLxButtonFirstFrame::firstFrameIsTheSame_data() {
    QTest::addColumn<Build>("build");
    QTest::addColumn<Content>("content");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<Look>("look");

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
    for (const auto& [lookName, look] : looks) {
        for (const auto& [kindName, content] : kinds) {
            for (const bool enabled : {true, false}) {
                QTest::addRow("form file, %s, %s, %s", lookName, kindName,
                              enabled ? "enabled" : "disabled")
                    << Build(readFromFormFile) << content << enabled << look;
            }
        }
    }
    // The face was drawn at the first size and covers the smaller control: nothing but the
    // shown button's own draw may replace that look.
    for (const bool enabled : {true, false}) {
        QTest::addRow("set up by code, then made smaller, %s", enabled ? "enabled" : "disabled")
            << Build(setUpByCodeThenMadeSmaller)
            << Content{false, false, true, QStringLiteral("Copy")} << enabled << looks[0].second;
    }
}

void TestLxButtonFirstFrame::firstFrameIsTheSame() {
    QFETCH(Build, build);
    QFETCH(Content, content);
    QFETCH(bool, enabled);
    QFETCH(Look, look);
    const QImage expected = drawnAtOnce(build, content, enabled, look);
    QVERIFY(!expected.isNull());

    const auto host = newHost();
    auto* button = new LxButton(host.get());
    button->setEnabled(enabled);
    build(*button, content);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    look(*button);

    QCOMPARE(button->grab().toImage(), expected);
}

void TestLxButtonFirstFrame::grabbedUnshownShowsItsLook_data() {
    QTest::addColumn<Content>("content");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("picture and caption")
        << Content{false, false, true, QStringLiteral("&Calculate (F5)")} << true;
    QTest::newRow("switch on, disabled")
        << Content{true, true, true, QStringLiteral("Details")} << false;
}

// A designer's preview and an icon grab a button that is never shown.
void TestLxButtonFirstFrame::grabbedUnshownShowsItsLook() {
    QFETCH(Content, content);
    QFETCH(bool, enabled);
    const QImage expected =
        drawnAtOnce(Build(readFromFormFile), content, enabled, [](LxButton&) {});

    const auto host = newHost();
    auto* button = new LxButton(host.get());
    button->setEnabled(enabled);
    readFromFormFile(*button, content);

    QCOMPARE(button->grab().toImage(), expected);
}

void TestLxButtonFirstFrame::hiddenButtonShownLaterPaintsOnce_data() {
    QTest::addColumn<float>("widthWhileHidden"); // 0: not resized

    QTest::newRow("shown as it was read") << 0.0f;
    QTest::newRow("resized while hidden") << 1800.0f;
}

// Details switched on after start-up, a panel docked after a resize: the button is seen only
// when it is shown, and its first frame is its look at its size then.
void TestLxButtonFirstFrame::hiddenButtonShownLaterPaintsOnce() {
    QFETCH(float, widthWhileHidden);
    const Content content{false, false, true, QStringLiteral("&Calculate (F5)")};
    const Build build = [widthWhileHidden](LxButton& button, const Content& c) {
        readFromFormFile(button, c);
        if (widthWhileHidden > 0) {
            button.Move(button.Left(), button.Top(), widthWhileHidden, button.Height());
        }
    };
    const QImage expected = drawnAtOnce(build, content, true, [](LxButton&) {});

    const auto host = newHost();
    auto* button = new LxButton(host.get());
    button->hide();
    readFromFormFile(*button, content);
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    if (widthWhileHidden > 0) {
        button->Move(button->Left(), button->Top(), widthWhileHidden, button->Height());
    }
    QVERIFY(face(*button).Image().isNull()); // nothing drawn while nobody could see it
    const PaintCounter counter(face(*button));
    // The face covers the button: a paint of the button itself would draw it a second time.
    const PaintCounter buttonCounter(*button);

    button->show();
    QTRY_COMPARE(counter.paints, 1);
    QCoreApplication::processEvents(); // no second frame follows to mend the first
    QCOMPARE(counter.paints, 1);
    QCOMPARE(buttonCounter.paints, 0);
    QCOMPARE(face(*button).geometry(), button->rect());
    QCOMPARE(button->grab().toImage(), expected);
}

QTEST_MAIN(TestLxButtonFirstFrame)
#include "test_lx_button_first_frame.moc"
