// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bag_text.h"
#include "platform/core/runtime_error.h"
#include "platform/form_file.h"
#include "platform/property_bag.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QTest>

using lx::PropertyBag;

namespace {

QPixmap checkerPicture() {
    QPixmap picture(16, 16);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 8, 8, QColor(0x80, 0, 0));
    painter.fillRect(8, 8, 8, 8, Qt::green);
    return picture;
}

} // namespace

class TestPropertyBag : public QObject {
    Q_OBJECT
private slots:
    void writeSkipsDefaults_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("defaultValue");
        QTest::addColumn<bool>("stored");
        QTest::newRow("int equal") << QVariant(45) << QVariant(45) << false;
        QTest::newRow("int differs") << QVariant(46) << QVariant(45) << true;
        QTest::newRow("short against int")
            << QVariant::fromValue<short>(3000) << QVariant(3000) << false;
        QTest::newRow("colour equal") << QVariant(0x8000000Fu) << QVariant(0x8000000Fu) << false;
        QTest::newRow("bool equal") << QVariant(true) << QVariant(true) << false;
        QTest::newRow("bool is not int") << QVariant(true) << QVariant(1) << true;
        QTest::newRow("empty text against default")
            << QVariant(QString()) << QVariant("LxPanel") << true;
        QTest::newRow("font equal")
            << QVariant(QFont("Sans Serif", 8)) << QVariant(QFont("Sans Serif", 8)) << false;
        QTest::newRow("font size differs")
            << QVariant(QFont("Sans Serif", 9)) << QVariant(QFont("Sans Serif", 8)) << true;
        QTest::newRow("no picture against none") << QVariant(QPixmap()) << QVariant() << false;
        QTest::newRow("picture against none") << QVariant(checkerPicture()) << QVariant() << true;
    }
    void writeSkipsDefaults() {
        QFETCH(QVariant, value);
        QFETCH(QVariant, defaultValue);
        QFETCH(bool, stored);
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Key"), value, defaultValue);
        QCOMPARE(bag.contains(QStringLiteral("Key")), stored);
        QVERIFY(
            PropertyBag::sameValue(bag.ReadProperty(QStringLiteral("Key"), defaultValue), value));
    }

    void writingTheDefaultForgetsAnEarlierValue() {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Delta"), 60, 45);
        bag.WriteProperty(QStringLiteral("Delta"), 45, 45);
        QVERIFY(bag.isEmpty());
        QCOMPARE(bag.ReadProperty(QStringLiteral("Delta"), 45).toInt(), 45);
    }

    void keysKeepWriteOrder() {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Zeta"), 1, 0);
        bag.WriteProperty(QStringLiteral("Alpha"), 2, 0);
        bag.WriteProperty(QStringLiteral("Zeta"), 3, 0);
        QCOMPARE(bag.keys(), (QStringList{"Zeta", "Alpha"}));
    }

    void textRoundTrip_data() {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("int") << QVariant(-32768);
        QTest::newRow("system colour") << QVariant(0x80000012u);
        QTest::newRow("direct colour") << QVariant(0x00C0FFEEu);
        QTest::newRow("true") << QVariant(true);
        QTest::newRow("false") << QVariant(false);
        QTest::newRow("half twip") << QVariant(2092.5);
        QTest::newRow("whole double stays double") << QVariant(3000.0);
        QTest::newRow("text with quotes and lines")
            << QVariant(QStringLiteral("a \"b\" \\ c\nd=e"));
        QTest::newRow("empty text") << QVariant(QString(""));
        QTest::newRow("apostrophe") << QVariant(QStringLiteral("Student's t-test"));
        QTest::newRow("font") << QVariant(
            QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold, true));
        QTest::newRow("picture") << QVariant(checkerPicture());
        QTest::newRow("no picture") << QVariant(QPixmap());
    }
    void textRoundTrip() {
        QFETCH(QVariant, value);
        PropertyBag bag;
        bag.insert(QStringLiteral("Value"), value);
        const PropertyBag back = lx::bag_text::fromText(lx::bag_text::toText(bag));
        const QVariant read = back.ReadProperty(QStringLiteral("Value"));
        QVERIFY2(PropertyBag::sameValue(read, value), qPrintable(lx::bag_text::toText(back)));
        if (value.typeId() != QMetaType::QPixmap) {
            QCOMPARE(read.typeId(), value.typeId());
        }
    }

    void malformedText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("no equals") << "Caption \"x\"";
        QTest::newRow("unterminated text") << "Caption = \"abc";
        QTest::newRow("stray quote") << "Caption = \"a\"b\"";
        QTest::newRow("bare word") << "Caption = hello";
        QTest::newRow("bad picture") << "Picture = Picture(\"bm90IGEgcG5n\")";
        QTest::newRow("bad key") << "1abc = 5";
    }
    void malformedText() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(lx::RuntimeError, lx::bag_text::fromText(text));
    }

    void formFileRoundTrip() {
        lx::FormNode form;
        form.type = QStringLiteral("Form");
        form.name = QStringLiteral("frmTest");
        form.properties.insert(QStringLiteral("Caption"), QStringLiteral("Student's t-test"));
        lx::FormNode panel{QStringLiteral("LxPanel"), QStringLiteral("panMenu"), -1, {}, {}};
        panel.properties.insert(QStringLiteral("Caption"), QString());
        lx::FormNode button{QStringLiteral("LxButton"), QStringLiteral("cmdAction"), 3, {}, {}};
        button.properties.insert(QStringLiteral("Picture"), checkerPicture());
        panel.children.append(button);
        form.children.append(panel);

        const lx::FormNode back = lx::parseFormFile(lx::writeFormFile(form));

        QCOMPARE(back.name, QStringLiteral("frmTest"));
        QVERIFY(back.properties == form.properties);
        QCOMPARE(back.children.size(), 1);
        QCOMPARE(back.children[0].objectName(), QStringLiteral("panMenu"));
        QCOMPARE(back.children[0].children.size(), 1);
        const lx::FormNode& element = back.children[0].children[0];
        QCOMPARE(element.objectName(), QStringLiteral("cmdAction_3"));
        QCOMPARE(element.index, 3);
        QVERIFY(element.properties == button.properties);
    }

    void malformedFormFile_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("where");
        QTest::newRow("missing End") << "Begin Form f\n  Begin LxPanel p\n  End\n"
                                     << "line 4";
        QTest::newRow("End without Begin") << "End\n"
                                           << "line 1";
        QTest::newRow("property outside") << "Caption = \"x\"\n"
                                          << "line 1";
        QTest::newRow("bad value") << "Begin Form f\n  Left = abc\nEnd\n"
                                   << "line 2";
        QTest::newRow("second form") << "Begin Form f\nEnd\nBegin Form g\nEnd\n"
                                     << "line 3";
        QTest::newRow("empty") << "\n"
                               << "no form";
        for (const char* begin :
             {"Begin Form", "Begin Form f g", "Begin 1Form f", "Begin Form f(x)",
              "Begin Form f(-1)", "Begin Form f(2", "Begin Form (2)"}) {
            QTest::newRow(begin) << QString(begin) + "\nEnd\n"
                                 << "line 1";
        }
    }
    void malformedFormFile() {
        QFETCH(QString, text);
        QFETCH(QString, where);
        try {
            lx::parseFormFile(text);
            QFAIL("accepted a malformed form file");
        } catch (const lx::RuntimeError& error) {
            QCOMPARE(error.number(), lx::ErrorNumber::TypeMismatch);
            QVERIFY2(QString::fromUtf8(error.what()).contains(where), error.what());
        }
    }
};

QTEST_MAIN(TestPropertyBag)
#include "test_property_bag.moc"
