// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "../plots/picture_probe.h"
#include "cli/forest_file.h"
#include "cli/funnel_file.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using lx::cli::ForestRows;

namespace {

struct Reference {
    QString group;
    QString method;
    double yi, vi, weight, estimate, piLower, piUpper;
};

std::vector<Reference> readReference() {
    QFile file(QStringLiteral(FOREST_WEIGHTS_REFERENCE));
    std::vector<Reference> rows;
    file.open(QIODevice::ReadOnly); // none read when missing
    file.readLine();
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine().trimmed()).split(u',');
        rows.push_back({f[0], f[1], f[3].toDouble(), f[4].toDouble(), f[5].toDouble(),
                        f[6].toDouble(), f[9].toDouble(), f[10].toDouble()});
    }
    return rows;
}

lx::cli::ForestPool poolOf(const ForestRows& rows, std::size_t first, std::size_t end,
                           lx::meta::Estimator estimator, QString label) {
    std::vector<lx::meta::Study> studies;
    for (std::size_t k = first; k < end; ++k) {
        studies.push_back({rows.entries[k].g, rows.entries[k].variance});
    }
    return {std::move(label), QStringLiteral("the model"),
            lx::meta::pool(studies, estimator, lx::meta::Test::Z, 0.95), first, end};
}

// Rows of studies alike but for their effects, pooled by REML as one group.
ForestRows manyRows(int count) {
    ForestRows rows;
    for (int k = 0; k < count; ++k) {
        const double g = 0.05 * (k % 11) - 0.1;
        rows.entries.push_back({"Study " + std::to_string(k + 1), std::size_t(k + 1), g, g - 0.4,
                                g + 0.4, 0.04 + 0.001 * (k % 7)});
    }
    rows.pools.push_back(poolOf(rows, 0, rows.entries.size(), lx::meta::Estimator::REML,
                                QStringLiteral("Random effects (REML)")));
    return rows;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    // The fonts' ligatures (ﬀ for ff) read as their letters.
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC);
}

} // namespace

class TestPoolPictures : public QObject {
    Q_OBJECT
private slots:
    void weights_data();
    void weights();
    void pagedPdf_data();
    void pagedPdf();
    void funnelFiles_data();
    void funnelFiles();
};

void TestPoolPictures::weights_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("estimator");
    QTest::addColumn<bool>("byDesign");
    using lx::meta::Estimator;
    for (const auto& [name, estimator] :
         {std::pair{"DL", Estimator::DL}, {"REML", Estimator::REML}, {"PM", Estimator::PM}}) {
        for (const bool byDesign : {false, true}) {
            QTest::addRow("%s, %s", name, byDesign ? "by design" : "all studies")
                << QString::fromLatin1(name) << int(estimator) << byDesign;
        }
    }
}

// The weight written beside each study, and the diamond and prediction interval under them,
// against metafor's weights(), coef() and predict() of the example table
// (tools/forest_weights_reference/generate.R); by design each subgroup a fit of its own.
void TestPoolPictures::weights() {
    QFETCH(QString, method);
    QFETCH(int, estimator);
    QFETCH(bool, byDesign);
    const auto reference = readReference();
    QVERIFY(!reference.empty());
    ForestRows rows;
    std::vector<const Reference*> expected;
    for (const Reference& r : reference) {
        if (r.method == method && (r.group == u"all") != byDesign) {
            rows.entries.push_back(
                {"", rows.entries.size() + 1, r.yi, r.yi - 0.5, r.yi + 0.5, r.vi});
            expected.push_back(&r);
        }
    }
    QCOMPARE(rows.entries.size(), std::size_t(10));
    std::vector<const Reference*> firstOf; // each group's first study
    for (std::size_t first = 0; first < expected.size();) {
        std::size_t end = first;
        while (end < expected.size() && expected[end]->group == expected[first]->group) {
            ++end;
        }
        rows.pools.push_back(
            poolOf(rows, first, end, lx::meta::Estimator(estimator), expected[first]->group));
        firstOf.push_back(expected[first]);
        first = end;
    }
    if (byDesign) {
        rows.pools.push_back(poolOf(rows, 0, rows.entries.size(), lx::meta::Estimator(estimator),
                                    QStringLiteral("Overall")));
    }
    const auto picture = lx::cli::forestPicture(rows);
    const auto weights = lx::plots::forestWeights(picture);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        QVERIFY(weights[k]);
        QVERIFY2(std::fabs(*weights[k] / expected[k]->weight - 1) < 1e-8,
                 qPrintable(QStringLiteral("%1: %2 against %3")
                                .arg(k)
                                .arg(*weights[k], 0, 'g', 17)
                                .arg(expected[k]->weight, 0, 'g', 17)));
    }
    QCOMPARE(picture.summaries.size(), firstOf.size() + (byDesign ? 1 : 0));
    for (std::size_t k = 0; k < firstOf.size(); ++k) {
        const auto& summary = picture.summaries[k];
        QCOMPARE(summary.label, firstOf[k]->group);
        QVERIFY(std::fabs(summary.estimate - firstOf[k]->estimate) < 1e-8);
        QVERIFY(summary.prediction &&
                std::fabs(summary.prediction->lower - firstOf[k]->piLower) < 1e-8 &&
                std::fabs(summary.prediction->upper - firstOf[k]->piUpper) < 1e-8);
    }
}

void TestPoolPictures::pagedPdf_data() {
    QTest::addColumn<int>("studies");
    QTest::addColumn<bool>("severalPages");
    QTest::newRow("one page") << 60 << false;
    QTest::newRow("four thousand studies") << 4000 << true;
}

// A long forest plot as a PDF: pages no taller than common viewers open, each with the header
// row, the overall diamond's label on the last; read back by pdfinfo and pdftotext.
void TestPoolPictures::pagedPdf() {
    QFETCH(int, studies);
    QFETCH(bool, severalPages);
    if (QString(PDFINFO).isEmpty() || QString(PDFTOTEXT).isEmpty()) {
        QSKIP("pdfinfo or pdftotext (poppler-utils) is missing");
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forest.pdf"));
    QString error;
    QVERIFY2(lx::cli::writeForestFile(path, manyRows(studies), error), qPrintable(error));
    const QString info = run(QStringLiteral(PDFINFO), {"-f", "1", "-l", "100000", path});
    static const QRegularExpression size(
        QStringLiteral(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+))"));
    int pages = 0;
    for (auto match = size.globalMatch(info); match.hasNext();) {
        const auto page = match.next();
        ++pages;
        QCOMPARE(page.captured(1).toInt(), pages);
        QCOMPARE(page.captured(2).toDouble(), lx::cli::forestWidth * 72 / 96);
        QVERIFY2(page.captured(3).toDouble() <= lx::plots::largestPdfPagePoints,
                 qPrintable(page.captured(0)));
    }
    QVERIFY2(severalPages ? pages > 1 : pages == 1, qPrintable(info));
    for (int page = 1; page <= pages; ++page) {
        const QString text = run(QStringLiteral(PDFTOTEXT), {"-f", QString::number(page), "-l",
                                                             QString::number(page), path, "-"});
        QVERIFY2(text.contains(u"Study") && text.contains(u"g [95% CI]") &&
                     text.contains(u"Weight"),
                 qPrintable(QStringLiteral("page %1").arg(page)));
        QCOMPARE(text.contains(u"Random effects (REML)"), page == pages);
    }
    // Every study is on some page, once.
    const QString all = run(QStringLiteral(PDFTOTEXT), {path, "-"});
    QCOMPARE(all.count(QRegularExpression(QStringLiteral("Study \\d+\\b"))), studies);
}

void TestPoolPictures::funnelFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::newRow("SVG") << "funnel.svg" << true;
    QTest::newRow("PDF") << "funnel.PDF" << true;
    QTest::newRow("PNG") << "funnel.png" << true;
    QTest::newRow("no picture format") << "funnel.txt" << false;
}

// The funnel plot in each format by its suffix, at its size; another suffix is refused.
void TestPoolPictures::funnelFiles() {
    QFETCH(QString, name);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QString error;
    QCOMPARE(lx::cli::writeFunnelFile(path, manyRows(25), error), written);
    if (!written) {
        QVERIFY2(error.contains(u".png, .svg or .pdf"), qPrintable(error));
        QVERIFY(!QFile::exists(path));
        return;
    }
    const QString suffix = name.section(u'.', -1).toLower();
    if (suffix == u"svg") {
        QCOMPARE(lx::test::readSvg(path).viewBox.size(), lx::cli::funnelSize);
    } else if (suffix == u"png") {
        QCOMPARE(QImage(path).size(), lx::cli::funnelSize.toSize());
    } else if (!QString(PDFINFO).isEmpty()) {
        QVERIFY(run(QStringLiteral(PDFINFO), {path}).contains(QStringLiteral("600 x 450 pts")));
    }
}

QTEST_MAIN(TestPoolPictures)
#include "test_pool_pictures.moc"
