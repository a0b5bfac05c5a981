// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"
#include "form_fixture.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

using lx::test::FormFixture;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QList<Message> germanMessages() {
    QFile file(QStringLiteral(GERMAN_TS));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"message") {
            messages.append({context, {}, {}, false});
        } else if (xml.isStartElement() && xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"translation") {
            messages.back().unfinished =
                xml.attributes().value(QStringLiteral("type")) == QLatin1String("unfinished");
            messages.back().translation = xml.readElementText();
        } else {
            xml.readNext();
        }
    }
    return messages;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%[0-9]+"));
    for (const auto& match : marker.globalMatch(text)) {
        found.append(match.captured());
    }
    found.sort();
    return found;
}

} // namespace

// Runs under LANG=de_DE.UTF-8 with the program's own application object, which loads the
// translations the way the calculator does at start-up.
class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    // Every text is translated and keeps the placeholders its source fills in.
    void germanIsCompleteAndKeepsPlaceholders() {
        const QList<Message> messages = germanMessages();
        QVERIFY(messages.size() > 100);
        for (const Message& message : messages) {
            const QString where = message.context + QStringLiteral(": ") + message.source;
            QVERIFY2(!message.unfinished && !message.translation.isEmpty(), qPrintable(where));
            QCOMPARE(placeholders(message.translation), placeholders(message.source));
        }
    }

    void calculatorSpeaksGerman() {
        QCOMPARE(QLocale().language(), QLocale::German);
        FormFixture f;
        f.open();
        QCOMPARE(f.form->windowTitle(), QStringLiteral("t-Test nach Student"));
        QCOMPARE(f.control<QGroupBox>(QStringLiteral("fraFirst"))->title(),
                 QStringLiteral("Erster Satz"));
        QTest::keyClick(f.box(QStringLiteral("txtN1")), Qt::Key_F5);
        QCOMPARE(f.messages.messages.size(), 1);
        QCOMPARE(f.messages.messages.front().text, QStringLiteral("Bitte N1 eingeben"));
        QCOMPARE(f.messages.messages.front().title, QStringLiteral("Fehler!"));
    }

    // --help, which answers without a window, speaks German too.
    void helpSpeaksGerman() {
        QProcess program;
        program.start(QStringLiteral(LXTERVAN), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(30000));
        const QString help = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(help.contains(QStringLiteral("Ein Rechner für den t-Test")), qPrintable(help));
    }

    // The German details: longer names still fit, the copy names Welch's test the German way
    // and separates the bounds of an interval by a semicolon, stale results say so.
    void germanDetailsReadRight() {
        FormFixture f;
        f.open();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QCOMPARE(f.box(QStringLiteral("txtFreedom"))->toolTip(), QStringLiteral("Freiheitsgrade"));
        const QStringList names{"txtN1", "txtM1", "txtSD1", "txtN2", "txtM2", "txtSD2"};
        const QStringList six{"116", "70,3", "13,0", "848", "67,3", "7,5"};
        for (qsizetype i = 0; i < names.size(); ++i) {
            f.box(names[i])->setText(six[i]);
        }
        QLineEdit* n1 = f.box(QStringLiteral("txtN1"));
        QTest::keyClick(n1, Qt::Key_F6);
        QTest::keyClick(n1, Qt::Key_F5);
        QVERIFY(f.messages.messages.isEmpty());
        QVERIFY(!f.box(QStringLiteral("txtP"))->text().isEmpty());
        const auto* table = f.control<QTableWidget>(QStringLiteral("grdDetails"));
        QVERIFY(table);
        QCOMPARE(lx::test::clippedCells(*table), QStringList());
        QCOMPARE(table->verticalHeaderItem(1)->text(), QStringLiteral("FG")); // as the result box

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                        Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
        QVERIFY(lines.size() > 2);
        QVERIFY2(lines[1].startsWith(QStringLiteral("Welch-t(")), qPrintable(lines[1]));
        static const QRegularExpression interval(QStringLiteral("\\[-?[0-9]+,[0-9]+; "));
        QVERIFY2(lines[1].contains(interval), qPrintable(lines[1]));
        QVERIFY2(lines.contains(QStringLiteral("FG\t962\t125,674928639795")),
                 qPrintable(lines.join(u'\n')));

        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(f.box(QStringLiteral("txtP"))->accessibleDescription(),
                 QStringLiteral("veraltet"));
    }
};

int main(int argc, char* argv[]) {
    lx::Application application(argc, argv);
    TestTranslation test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translation.moc"
