// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text_check_window.h"
#include "form_fixture.h"
#include "platform/core/translations.h"
#include "quoted_csv.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QUrl>

using lx::TextCheckWindow;
using lx::test::FormFixture;

namespace {

const QStringList inputNames = {"txtN1", "txtM1", "txtSD1", "txtN2", "txtM2", "txtSD2"};

// The paragraphs of the reference table, each with its results' texts and verdicts (SciPy's).
struct Paragraph {
    QString text;
    QStringList results;
    QStringList verdicts;
};

QMap<QString, Paragraph> referenceParagraphs() {
    QMap<QString, Paragraph> paragraphs;
    for (const auto& row : lx::test::readQuotedCsv(QStringLiteral(PANE_REFERENCE))) {
        Paragraph& paragraph = paragraphs[row[QStringLiteral("paragraph")]];
        paragraph.text = row[QStringLiteral("text")];
        paragraph.results.append(QStringLiteral("t(%1) = %2, p = %3")
                                     .arg(row[QStringLiteral("df")], row[QStringLiteral("t")],
                                          row[QStringLiteral("p")]));
        paragraph.verdicts.append(row[QStringLiteral("verdict")]);
    }
    return paragraphs;
}

// The words the window shows for the reference verdicts, by language.
QString shownWords(const QString& verdict, bool german) {
    static const QMap<QString, QStringList> words = {
        {QStringLiteral("consistent"), {"consistent", "konsistent"}},
        {QStringLiteral("decision_error"), {"decision error", "Entscheidungsfehler"}}};
    return words.value(verdict).value(german ? 1 : 0, verdict);
}

} // namespace

// The window's text check through the real calculator, driven by keys.
class TestTextCheckWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<FormFixture> m_fixture;
    QTemporaryDir m_files;
    // A text file of one result, as a user would drop it.
    QString referenceFile() {
        const QString path = m_files.filePath(QStringLiteral("one_result.txt"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write("The groups differed, t(28) = 2.20, p = .036.\n");
        }
        return path;
    }
    FormFixture& f() { return *m_fixture; }
    TextCheckWindow* checkWindow() {
        return f().control<TextCheckWindow>(QStringLiteral("TextCheckWindow"));
    }
    QTreeWidget* list() {
        return checkWindow()->findChild<QTreeWidget*>(QStringLiteral("lstResults"));
    }
    QString label(const char* name) {
        return checkWindow()->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    void openPane() {
        f().box("txtN1")->setFocus();
        QTest::keyClick(f().box("txtN1"), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    }
    // Pastes into the window's text box by Ctrl+V and waits for the list.
    bool paste(QMimeData* data) {
        QSignalSpy checked(checkWindow(), &TextCheckWindow::checked);
        QGuiApplication::clipboard()->setMimeData(data);
        auto* text = checkWindow()->findChild<QPlainTextEdit*>(QStringLiteral("txtText"));
        text->clear();
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        return !checked.isEmpty() || checked.wait(10000);
    }
    bool pasteText(const QString& text) {
        auto* data = new QMimeData;
        data->setText(text);
        return paste(data);
    }
    void checkList(const Paragraph& paragraph, bool german) {
        QCOMPARE(list()->topLevelItemCount(), paragraph.results.size());
        for (int k = 0; k < paragraph.results.size(); ++k) {
            const QTreeWidgetItem* item = list()->topLevelItem(k);
            QCOMPARE(item->text(1), paragraph.results[k]);
            QCOMPARE(checkWindow()->lines()[std::size_t(k)].verdict, paragraph.verdicts[k]);
            const QString words = shownWords(paragraph.verdicts[k], german);
            QCOMPARE(item->text(2), words);
            // Screen readers get the words, not only the colour.
            QVERIFY(item->data(0, Qt::AccessibleDescriptionRole).toString().contains(words));
        }
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        QVERIFY(QTest::qWaitForWindowActive(f().form.get()));
    }
    void cleanup() { m_fixture.reset(); }

    void ctrlShiftKOpensOnePane() {
        QVERIFY(!checkWindow()); // made when first used, not at start-up
        openPane();
        QVERIFY(checkWindow() && checkWindow()->isVisible());
        checkWindow()->close();
        openPane();
        QVERIFY(checkWindow()->isVisible());
        QCOMPARE(f().form->findChildren<TextCheckWindow*>().size(), 1);
    }

    // The level the verdicts are judged at is the user's, judged again when changed and
    // remembered: t(28) = 2.20 has p = .036 (SciPy), so "p < .01" flips the decision at .01.
    void alphaIsASetting() {
        openPane();
        QVERIFY(pasteText(QStringLiteral("The groups differed, t(28) = 2.20, p < .01.")));
        QCOMPARE(checkWindow()->lines().at(0).verdict, QStringLiteral("inconsistent"));
        auto* alpha = checkWindow()->findChild<QComboBox*>(QStringLiteral("cboAlpha"));
        QCOMPARE(alpha->currentText(), QStringLiteral(".05"));
        QSignalSpy checked(checkWindow(), &TextCheckWindow::checked);
        alpha->setCurrentIndex(alpha->findText(QStringLiteral(".01")));
        QVERIFY(checked.wait(10000));
        QCOMPARE(checkWindow()->lines().at(0).verdict, QStringLiteral("decision_error"));
        f().form->close();
        f().form.reset();
        f().open();
        openPane();
        alpha = checkWindow()->findChild<QComboBox*>(QStringLiteral("cboAlpha"));
        QCOMPARE(alpha->currentText(), QStringLiteral(".01"));
    }

    // Each paragraph's results in order, with SciPy's verdicts, in words and for screen readers.
    void pastedText_data() {
        QTest::addColumn<QString>("paragraph");
        for (const char* name : {"english", "german", "sizes_only", "nothing_beside"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void pastedText() {
        QFETCH(QString, paragraph);
        const Paragraph reference = referenceParagraphs().value(paragraph);
        QVERIFY(!reference.text.isEmpty());
        openPane();
        QVERIFY(pasteText(reference.text));
        checkList(reference, false);
    }

    // Enter on a line fills only the boxes it has figures for; the rest keep what they had.
    void chooseLine_data() {
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("said");
        const QString kept = QStringLiteral("9");
        QTest::newRow("both sets")
            << "english" << 0 << QStringList{"15", "5.20", "1.10", "15", "4.30", "1.20"}
            << "Line 1 put into the sets: N1 15, M1 5.20, SD1 1.10, "
               "N2 15, M2 4.30, SD2 1.20.";
        QTest::newRow("german text, english user")
            << "german" << 0 << QStringList{kept, "5.20", "1.10", kept, "4.30", "1.20"}
            << "Line 1 put into the sets: M1 5.20, SD1 1.10, M2 4.30, SD2 1.20.";
        QTest::newRow("sizes only")
            << "sizes_only" << 0 << QStringList{"12", kept, kept, "14", kept, kept}
            << "Line 1 put into the sets: N1 12, N2 14.";
        QTest::newRow("the next result has none") << "english" << 1 << QStringList(6, kept)
                                                  << "Line 2 gives no group sizes or means: the "
                                                     "sets are left as they are.";
        QTest::newRow("nothing beside") << "nothing_beside" << 0 << QStringList(6, kept)
                                        << "Line 1 gives no group sizes or means: the sets are "
                                           "left as they are.";
    }
    void chooseLine() {
        QFETCH(QString, paragraph);
        QFETCH(int, line);
        QFETCH(QStringList, boxes);
        for (const QString& name : inputNames) {
            f().box(name)->setText(QStringLiteral("9"));
        }
        openPane();
        QVERIFY(pasteText(referenceParagraphs().value(paragraph).text));
        QSignalSpy chosen(checkWindow(), &TextCheckWindow::setsChosen);
        list()->setFocus();
        list()->setCurrentItem(list()->topLevelItem(line));
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(chosen.size(), boxes == QStringList(6, QStringLiteral("9")) ? 0 : 1);
        for (int k = 0; k < inputNames.size(); ++k) {
            QCOMPARE(f().box(inputNames[k])->text(), boxes[k]);
        }
        QTEST(label("lblChosen"), "said");
    }

    // A DOCX file pasted from a file manager is read by the real lxtervan-check: its results
    // in order, with the corpus's verdicts; without the program, a message says it is missing.
    void fileThroughTheChecker_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("found");
        QTest::newRow("beside") << QStringLiteral(LXTERVAN_CHECK) << true;
        QTest::newRow("missing") << QStringLiteral("/nonexistent/lxtervan-check") << false;
    }
    void fileThroughTheChecker() {
        QFETCH(QString, program);
        QFETCH(bool, found);
        QStringList expected;
        for (const auto& row : lx::test::readQuotedCsv(QStringLiteral(CORPUS_EXPECTED))) {
            if (row[QStringLiteral("file")] == QLatin1String("paper.docx")) {
                expected.append(row[QStringLiteral("verdict")]);
            }
        }
        QVERIFY(!expected.isEmpty());
        openPane();
        checkWindow()->setCheckProgram(program);
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QStringLiteral(CORPUS "/paper.docx"))});
        QVERIFY(paste(data));
        QStringList verdicts;
        for (const lx::CheckedLine& line : checkWindow()->lines()) {
            verdicts.append(line.verdict);
        }
        QCOMPARE(verdicts, found ? expected : QStringList());
        QCOMPARE(label("lblFound").contains(QLatin1String("is missing")), !found);
    }

    // Files the window cannot read are named with the reason, and the window goes on; of
    // several files, the first is read, and the window says so.
    void filesGiven_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("said");
        const QString corpus = QStringLiteral(CORPUS);
        QTest::newRow("folder") << QStringList{corpus} << 0 << "is a folder";
        QTest::newRow("missing") << QStringList{corpus + "/none.txt"} << 0 << "cannot be read";
        QTest::newRow("binary") << QStringList{QCoreApplication::applicationFilePath()} << 0
                                << "is not a text file";
        QTest::newRow("several") << QStringList{referenceFile(), corpus + "/german.txt"} << 1
                                 << "Only the first of the 2 files given is read: one_result.txt.";
    }
    void filesGiven() {
        QFETCH(QStringList, files);
        QFETCH(QString, said);
        openPane();
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& file : files) {
            urls.append(QUrl::fromLocalFile(file));
        }
        data->setUrls(urls);
        QVERIFY(paste(data));
        QTEST(int(checkWindow()->lines().size()), "lines");
        QVERIFY2(label("lblFound").contains(said), qPrintable(label("lblFound")));
    }

    // lxtervan-check's JSON lines as the window reads them: a figure keeps the decimals it was
    // written with, which a parsed JSON number drops; what is not a result is refused.
    void jsonLines_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("sets"); // "refused" when no line is read
        const QByteArray head =
            R"({"file":"a.pdf","page":2,"line":7,"raw":"t(28) = 2.14, p = .041",)"
            R"("verdict":"consistent","holds":true,)";
        QTest::newRow("trailing zeros kept")
            << head +
                   R"("n1":15,"n2":16,"m1":5.20,"sd1":1.10,"m2":4.30,"sd2":1.20,"rounding":"none"})"
            << "N1 15, M1 5.20, SD1 1.10, N2 16, M2 4.30, SD2 1.20";
        QTest::newRow("sizes only") << head + R"("n1":12,"n2":14,"m1":null,"sd1":null})"
                                    << "N1 12, N2 14";
        QTest::newRow("a size that is no count")
            << head + R"("n1":1.5,"n2":"14","m1":-0.50,"sd1":0.25})"
            << "M1 -0.50, SD1 0.25";
        QTest::newRow("nothing beside") << head + R"("n1":null})"
                                        << "";
        QTest::newRow("no verdict")
            << QByteArray(R"({"raw":"t(28) = 2.14, p = .041"})") << "refused";
        QTest::newRow("not json") << QByteArray("a.pdf: an encrypted PDF file") << "refused";
    }
    void jsonLines() {
        QFETCH(QByteArray, json);
        const auto line = lx::checkedLineOfJson(json);
        QStringList sets;
        if (line) {
            QCOMPARE(line->page, 2);
            QCOMPARE(line->line, 7);
            for (const auto& [box, text] : lx::setsOf(*line, QLocale(QLocale::English))) {
                sets.append(QStringLiteral("%1 %2").arg(inputNames[int(box)].mid(3), text));
            }
        }
        QTEST(line ? sets.join(QStringLiteral(", ")) : QStringLiteral("refused"), "sets");
    }

    // Where a DOCX file's result outside its body is, and its interval's verdict, come along.
    void partAndIntervalFromJson() {
        const auto line = lx::checkedLineOfJson(
            R"({"file":"a.docx","line":2,"raw":"t(28) = 2.14, p = .041","verdict":"consistent",)"
            R"("holds":true,"ci_check":"inconsistent","part":"footnotes"})");
        QVERIFY(line);
        QCOMPARE(line->part, QStringLiteral("footnotes"));
        QCOMPARE(line->ciCheck, QStringLiteral("inconsistent"));
    }

    // Last: the German translation stays installed.
    void germanUser() {
        m_fixture.reset();
        const QLocale german(QLocale::German, QLocale::Germany);
        QVERIFY(lx::installTranslations(*QCoreApplication::instance(), german));
        QLocale::setDefault(german);
        m_fixture = std::make_unique<FormFixture>();
        f().open();
        const Paragraph reference = referenceParagraphs().value(QStringLiteral("german"));
        openPane();
        QVERIFY(pasteText(reference.text));
        checkList(reference, true);
        list()->setCurrentItem(list()->topLevelItem(0));
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(f().box("txtM1")->text(), QStringLiteral("5,20"));
        QCOMPARE(f().box("txtSD2")->text(), QStringLiteral("1,20"));
    }
};

QTEST_MAIN(TestTextCheckWindow)
#include "test_text_check_window.moc"
