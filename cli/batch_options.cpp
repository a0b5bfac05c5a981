#include "batch_options.h"

#include "batch_text.h"

#include <thread>

namespace lx::cli {

namespace {

const QString columnsOption = QStringLiteral("columns");
const QString levelOption = QStringLiteral("level");
const QString formatOption = QStringLiteral("format");
const QString delimiterOption = QStringLiteral("delimiter");
const QString localeOption = QStringLiteral("locale");
const QString jobsOption = QStringLiteral("jobs");
const QString strictOption = QStringLiteral("strict");
const QString itemsOption = QStringLiteral("items");
const QString alphaOption = QStringLiteral("alpha");

std::optional<char> delimiterFrom(const QString& text) {
    if (text == QLatin1String("\\t") ||
        text.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0) {
        return '\t';
    }
    if (text.size() != 1 || text.at(0).unicode() >= 0x80 || text.at(0) == QLatin1Char('"') ||
        text.at(0) == QLatin1Char('\n') || text.at(0) == QLatin1Char('\r')) {
        return std::nullopt;
    }
    return static_cast<char>(text.at(0).unicode());
}

} // namespace

void addBatchOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(BatchText::tr(
        "Two-sample t-tests from summary statistics, one per row of a CSV table.\n"
        "The header must name n1, m1, sd1 (or se1), n2, m2, sd2 (or se2); other columns pass "
        "through. Exit status: 0 done, 1 rows failed under --strict, 2 usage or input error."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 BatchText::tr("The CSV table; standard input when absent or -."),
                                 QStringLiteral("[FILE]"));
    parser.addOptions({
        {columnsOption, BatchText::tr("Only these output columns, comma-separated."),
         QStringLiteral("list")},
        {levelOption, BatchText::tr("Confidence level of the intervals (default 0.95)."),
         QStringLiteral("level"), QStringLiteral("0.95")},
        {formatOption, BatchText::tr("Output format: csv, tsv or jsonl (default csv)."),
         QStringLiteral("format"), QStringLiteral("csv")},
        {delimiterOption,
         BatchText::tr("Field delimiter of the CSV (default , or ; for a comma-decimal locale)."),
         QStringLiteral("char")},
        {localeOption,
         BatchText::tr("Read and write numbers with this locale's decimal separator (default C)."),
         QStringLiteral("name")},
        {jobsOption, BatchText::tr("Worker threads (default: all cores)."), QStringLiteral("n")},
        {strictOption, BatchText::tr("Exit with status 1 when any row has an error.")},
        {itemsOption,
         BatchText::tr("Whole-number items each score averages, for the granularity tests of "
                       "both sets where a row gives no items1 or items2."),
         QStringLiteral("k")},
        {alphaOption,
         BatchText::tr("Significance level of the p check's decision errors (default 0.05)."),
         QStringLiteral("alpha"), QStringLiteral("0.05")},
    });
}

std::variant<BatchOptions, QString> batchOptions(const QCommandLineParser& parser) {
    BatchOptions options;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return BatchText::tr("give at most one file");
    }
    options.file = files.value(0);
    if (parser.isSet(columnsOption)) {
        options.columns = parser.value(columnsOption).split(QLatin1Char(','));
    }
    bool ok = false;
    options.level = parser.value(levelOption).toDouble(&ok);
    if (!ok || !(options.level > 0 && options.level < 1)) {
        return BatchText::tr("--level must be a number between 0 and 1");
    }
    const QString format = parser.value(formatOption).toLower();
    if (format == QLatin1String("csv")) {
        options.format = OutputFormat::Csv;
    } else if (format == QLatin1String("tsv")) {
        options.format = OutputFormat::Tsv;
    } else if (format == QLatin1String("jsonl")) {
        options.format = OutputFormat::Jsonl;
    } else {
        return BatchText::tr("--format must be csv, tsv or jsonl");
    }
    if (parser.isSet(localeOption)) {
        options.locale = QLocale(parser.value(localeOption));
        if (options.locale.language() == QLocale::C &&
            parser.value(localeOption) != QLatin1String("C")) {
            return BatchText::tr("--locale: unknown locale \"%1\"").arg(parser.value(localeOption));
        }
    }
    options.delimiter = options.locale.decimalPoint() == QLatin1String(",") ? ';' : ',';
    if (parser.isSet(delimiterOption)) {
        const auto delimiter = delimiterFrom(parser.value(delimiterOption));
        if (!delimiter) {
            return BatchText::tr("--delimiter must be one ASCII character other than a quote");
        }
        options.delimiter = *delimiter;
    }
    options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (parser.isSet(jobsOption)) {
        options.jobs = parser.value(jobsOption).toInt(&ok);
        if (!ok || options.jobs < 1 || options.jobs > 256) {
            return BatchText::tr("--jobs must be a whole number from 1 to 256");
        }
    }
    options.strict = parser.isSet(strictOption);
    if (parser.isSet(itemsOption)) {
        const int items = parser.value(itemsOption).toInt(&ok);
        if (!ok || items < 1 || items > 1000000) {
            return BatchText::tr("--items must be a whole number from 1 to 1000000");
        }
        options.checks.items = items;
    }
    options.checks.alpha = parser.value(alphaOption).toDouble(&ok);
    if (!ok || !(options.checks.alpha > 0 && options.checks.alpha < 1)) {
        return BatchText::tr("--alpha must be a number between 0 and 1");
    }
    return options;
}

} // namespace lx::cli
