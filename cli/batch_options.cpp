// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_options.h"

#include "batch_text.h"
#include "result_columns.h"

#include "planning/plan_reasons.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace lx::cli {

namespace {

const QString columnsOption = QStringLiteral("columns");
const QString prefixOption = QStringLiteral("prefix");
const QString mapOption = QStringLiteral("map");
const QString headerLineOption = QStringLiteral("header-line");
const QString levelOption = QStringLiteral("level");
const QString formatOption = QStringLiteral("format");
const QString inputFormatOption = QStringLiteral("input-format");
const QString delimiterOption = QStringLiteral("delimiter");
const QString localeOption = QStringLiteral("locale");
const QString groupingOption = QStringLiteral("grouping");
const QString jobsOption = QStringLiteral("jobs");
const QString strictOption = QStringLiteral("strict");
const QString priorScaleOption = QStringLiteral("prior-scale");
const QString equivalenceOption = QStringLiteral("equivalence");
const QString equivalenceSdOption = QStringLiteral("equivalence-d");

// A positive finite number, or nothing.
std::optional<double> positiveNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0) || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The equivalence margin of --equivalence or --equivalence-d, or the message of a usage error.
std::variant<std::optional<EquivalenceMargin>, QString>
equivalenceFrom(const QCommandLineParser& parser) {
    const bool raw = parser.isSet(equivalenceOption);
    const bool inSd = parser.isSet(equivalenceSdOption);
    if (raw && inSd) {
        return BatchText::tr("give either --equivalence or --equivalence-d, not both");
    }
    if (!raw && !inSd) {
        return std::optional<EquivalenceMargin>();
    }
    const auto delta = positiveNumber(parser.value(raw ? equivalenceOption : equivalenceSdOption));
    if (!delta) {
        return raw ? BatchText::tr("--equivalence must be a number above 0")
                   : BatchText::tr("--equivalence-d must be a number above 0");
    }
    return std::optional<EquivalenceMargin>(EquivalenceMargin{*delta, inSd});
}
const QString itemsOption = QStringLiteral("items");
const QString alphaOption = QStringLiteral("alpha");
const QString oneTailedOption = QStringLiteral("one-tailed");
const QString planPowerOption = QStringLiteral("plan-power");
const QString planAlphaOption = QStringLiteral("plan-alpha");
const QString planRatioOption = QStringLiteral("plan-ratio");
const QString planTailsOption = QStringLiteral("plan-tails");
const QString planEffectOption = QStringLiteral("plan-effect");
const QString forestOption = QStringLiteral("forest");
const QString labelOption = QStringLiteral("label");
const QString posteriorOption = QStringLiteral("posterior");
const QString robustnessOption = QStringLiteral("robustness");

// Whether --columns names a result column of a group.
bool namesColumnOf(const std::optional<QStringList>& columns, bool (*inGroup)(ResultColumn)) {
    return columns && std::any_of(columns->begin(), columns->end(), [inGroup](const QString& name) {
               const auto column = resultColumnNamed(name.trimmed().toLower().toStdString());
               return column && inGroup(*column);
           });
}

// Planning is asked for by any --plan option, or by naming a planning column in --columns.
bool planningAsked(const QCommandLineParser& parser, const std::optional<QStringList>& columns) {
    for (const QString& option :
         {planPowerOption, planAlphaOption, planRatioOption, planTailsOption, planEffectOption}) {
        if (parser.isSet(option)) {
            return true;
        }
    }
    return namesColumnOf(columns, isPlanColumn);
}

// The costly Bayes groups come, as the plan does, with their option or one of their columns.
CostlyGroups costlyGroupsAsked(const QCommandLineParser& parser,
                               const std::optional<QStringList>& columns) {
    return {parser.isSet(posteriorOption) || namesColumnOf(columns, isPosteriorColumn),
            parser.isSet(robustnessOption) || namesColumnOf(columns, isRobustnessColumn)};
}

// The settings of the planning columns, or the message of a usage error.
std::variant<planning::PlanSettings, QString> planFrom(const QCommandLineParser& parser) {
    planning::PlanSettings plan;
    bool ok = false;
    plan.test.alpha = parser.value(planAlphaOption).toDouble(&ok);
    if (!ok || !(plan.test.alpha > 0 && plan.test.alpha < 1)) {
        return BatchText::tr("--plan-alpha must be a number between 0 and 1");
    }
    plan.power = parser.value(planPowerOption).toDouble(&ok);
    if (!ok || !(plan.power > plan.test.alpha && plan.power < 1)) {
        return BatchText::tr("--plan-power must be a number above --plan-alpha and below 1");
    }
    const QString tails = parser.value(planTailsOption);
    if (tails != QLatin1String("1") && tails != QLatin1String("2")) {
        return BatchText::tr("--plan-tails must be 1 or 2");
    }
    plan.test.tails = tails == QLatin1String("1") ? power::Tails::One : power::Tails::Two;
    const QString ratio = parser.value(planRatioOption).toLower();
    if (ratio == QLatin1String("observed")) {
        plan.observedRatio = true;
    } else if (const auto value = positiveNumber(ratio)) {
        plan.ratio = *value;
    } else {
        return BatchText::tr("--plan-ratio must be a number above 0 or observed");
    }
    const QString effect = parser.value(planEffectOption).toLower();
    if (effect == QLatin1String("observed")) {
        plan.effect = planning::PlanSettings::Effect::Observed;
    } else if (effect == QLatin1String("safeguard")) {
        plan.effect = planning::PlanSettings::Effect::Safeguard;
    } else {
        plan.effect = planning::PlanSettings::Effect::Typed;
        plan.d = effect.toDouble(&ok);
        if (!ok || !std::isfinite(plan.d)) {
            return BatchText::tr("--plan-effect must be observed, safeguard or a number d");
        }
        if (plan.d == 0) {
            return QStringLiteral("--plan-effect: ") +
                   planning::problemText(power::Problem::NoEffect);
        }
    }
    return plan;
}

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
        "through. Without --delimiter the delimiter is found from the first lines (, ; tab or "
        "|: the one that splits them into the same number of fields); without --locale the "
        "numbers are read with a decimal comma when the delimiter is not a comma and the "
        "numbers of the summary columns have more decimal commas than points, else with a "
        "decimal point. On a terminal the tool says what "
        "it found. Exit status: 0 done, 1 rows failed under --strict, 2 usage or input error."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 BatchText::tr("The CSV table; standard input when absent or -."),
                                 BatchText::tr("[FILE]"));
    parser.addOptions({
        {columnsOption,
         BatchText::tr("Only these output columns, comma-separated: the table's (by name, or "
                       "by number from 1 where names repeat) and the result columns listed "
                       "below."),
         QStringLiteral("list")},
        {mapOption,
         BatchText::tr("Name the columns of the inputs outright, as n1=Total_E,m1=Mean_E,sd1=SD_E,"
                       "n2=...: a header name as written or a column number from 1; the rest are "
                       "found by their usual names (n1, size1, total1, n1i, mean1, m1i, sd1, "
                       "sd1i, se1, ...)."),
         QStringLiteral("list")},
        {headerLineOption,
         BatchText::tr("The line that holds the header, from 1 (default 1); the lines above it, "
                       "such as a spreadsheet's title, are skipped."),
         QStringLiteral("n")},
        {prefixOption,
         BatchText::tr("Put this in front of every result column's name, say lx_ when the table "
                       "has a column of the same name."),
         QStringLiteral("text")},
        {levelOption, BatchText::tr("Confidence level of the intervals (default 0.95)."),
         QStringLiteral("level"), QStringLiteral("0.95")},
        {formatOption,
         BatchText::tr("Output format: csv, tsv or jsonl (default: tsv for tab-separated input, "
                       "else csv). The input is read as it is written, whatever the output."),
         QStringLiteral("format")},
        {inputFormatOption,
         BatchText::tr("Input format: csv (comma-separated, or --delimiter) or tsv "
                       "(tab-separated)."),
         QStringLiteral("format")},
        {delimiterOption,
         BatchText::tr("Field delimiter of the input and of CSV output: one character, or tab "
                       "(also \\t)."),
         QStringLiteral("char")},
        {localeOption,
         BatchText::tr("Read and write numbers with this locale's decimal separator, "
                       "such as de_DE or C."),
         QStringLiteral("name")},
        {groupingOption,
         BatchText::tr("Accept the locale's group separators in numbers (1.500 is 1500 with "
                       "--locale de_DE); without it such numbers are refused.")},
        {jobsOption, BatchText::tr("Worker threads (default: all cores)."), QStringLiteral("n")},
        {strictOption, BatchText::tr("Exit with status 1 when any row has an error, or a check "
                                     "of reported results that could not run (check_error).")},
        {priorScaleOption,
         BatchText::tr("Scale r of the Cauchy prior of the Bayes factors (default 0.707)."),
         QStringLiteral("r"), QStringLiteral("0.7071067811865476")},
        {posteriorOption,
         BatchText::tr(
             "Fill the posterior columns delta_median, delta_cri_lo and delta_cri_hi "
             "(about half a millisecond a row). Naming one of them in --columns does the same; "
             "without either they stay empty.")},
        {robustnessOption,
         BatchText::tr("Fill the columns of BF10 against the prior scale: bf10_r05, bf10_wide, "
                       "bf10_ultrawide, bf10_max and r_max (a few hundred integrals a row). "
                       "Naming one of them in --columns does the same; without either they stay "
                       "empty.")},
        {equivalenceOption,
         BatchText::tr("Equivalence tests against the bounds -delta and +delta on M1 - M2."),
         QStringLiteral("delta")},
        {equivalenceSdOption,
         BatchText::tr("Equivalence tests with the bounds in units of the pooled SD."),
         QStringLiteral("delta")},
        {itemsOption,
         BatchText::tr("Whole-number items each score averages, for the granularity tests of "
                       "both sets where a row gives no items1 or items2."),
         QStringLiteral("k")},
        {alphaOption,
         BatchText::tr("Significance level of the p check's decision errors (default 0.05)."),
         QStringLiteral("alpha"), QStringLiteral("0.05")},
        {oneTailedOption,
         BatchText::tr("Take reported p as one-tailed where a row gives no tails_reported (1 or "
                       "2): the p beyond t on the side of the observed difference, never "
                       "halved or doubled; a one-tailed p above .5 is checked against the other "
                       "tail.")},
        {planPowerOption,
         BatchText::tr("Plan the next study of each row: the power its sample must reach "
                       "(default 0.8). Any --plan option, or a planning column in --columns, "
                       "fills the planning columns; without, they stay empty and cost nothing."),
         QStringLiteral("power"), QStringLiteral("0.8")},
        {planAlphaOption, BatchText::tr("Significance level of the planned test (default 0.05)."),
         QStringLiteral("alpha"), QStringLiteral("0.05")},
        {planRatioOption,
         BatchText::tr("n2/n1 of the planned sample (default 1), or observed for the row's "
                       "N2/N1."),
         QStringLiteral("ratio"), QStringLiteral("1")},
        {planTailsOption, BatchText::tr("Tails of the planned test: 1 or 2 (default 2)."),
         QStringLiteral("n"), QStringLiteral("2")},
        {planEffectOption,
         BatchText::tr("The effect to plan for: observed (the row's d, the default), safeguard "
                       "(the end of its 60% interval nearer 0) or a d, such as the smallest "
                       "effect of interest."),
         QStringLiteral("effect"), QStringLiteral("observed")},
        {forestOption,
         BatchText::tr("Draw a forest plot of Hedges' g with its interval for each row, the "
                       "marker's area in proportion to 1/g_var, to this file: .svg, .pdf or "
                       ".png (by its suffix). Rows with errors are left out and counted in the "
                       "summary. The table is written as without it."),
         QStringLiteral("file")},
        {labelOption,
         BatchText::tr("The column whose cells label the forest plot's rows (by name, or by "
                       "number from 1); without it, the row numbers."),
         QStringLiteral("column")},
    });
}

QString batchHelp(const QCommandLineParser& parser) {
    return parser.helpText() + QLatin1Char('\n') + resultColumnsHelp() + QLatin1Char('\n') +
           BatchText::tr("Examples:\n"
                         "  lxtervan-batch --columns study,g,g_ci_lo,g_ci_hi --forest forest.svg "
                         "--label study studies.csv\n"
                         "      g and its interval for each row to standard output, and a "
                         "forest plot of them labelled by the column study.\n");
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
    options.prefix = parser.value(prefixOption);
    bool ok = false;
    if (parser.isSet(headerLineOption)) {
        const qulonglong line = parser.value(headerLineOption).toULongLong(&ok);
        if (!ok || line < 1 || line > 1000000000) {
            return BatchText::tr("--header-line must be a whole number from 1");
        }
        options.headerLine = static_cast<std::size_t>(line);
    }
    if (parser.isSet(mapOption)) {
        auto map = parseColumnMap(parser.value(mapOption));
        if (const QString* problem = std::get_if<QString>(&map)) {
            return *problem;
        }
        options.map = std::get<ColumnMap>(map);
    }
    options.level = parser.value(levelOption).toDouble(&ok);
    if (!ok || !(options.level > 0 && options.level < 1)) {
        return BatchText::tr("--level must be a number between 0 and 1");
    }
    const auto priorScale = positiveNumber(parser.value(priorScaleOption));
    if (!priorScale) {
        return BatchText::tr("--prior-scale must be a number above 0");
    }
    options.priorScale = *priorScale;
    auto equivalence = equivalenceFrom(parser);
    if (const QString* problem = std::get_if<QString>(&equivalence)) {
        return *problem;
    }
    options.equivalence = std::get<std::optional<EquivalenceMargin>>(equivalence);
    if (!options.equivalence && options.columns) {
        for (const QString& name : *options.columns) {
            const auto column = resultColumnNamed(name.trimmed().toLower().toStdString());
            if (column && isEquivalenceColumn(*column)) {
                return BatchText::tr("--columns: \"%1\" needs --equivalence or --equivalence-d")
                    .arg(name.trimmed());
            }
        }
    }
    if (planningAsked(parser, options.columns)) {
        auto plan = planFrom(parser);
        if (const QString* problem = std::get_if<QString>(&plan)) {
            return *problem;
        }
        options.plan = std::get<planning::PlanSettings>(plan);
    }
    options.costly = costlyGroupsAsked(parser, options.columns);
    if (parser.isSet(formatOption)) {
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
    }
    if (parser.isSet(inputFormatOption)) {
        const QString format = parser.value(inputFormatOption).toLower();
        if (format == QLatin1String("tsv")) {
            options.delimiter = '\t';
        } else if (format == QLatin1String("csv")) {
            options.delimiter = ',';
        } else {
            return BatchText::tr("--input-format must be csv or tsv");
        }
    }
    if (parser.isSet(delimiterOption)) {
        options.delimiter = delimiterFrom(parser.value(delimiterOption));
        if (!options.delimiter) {
            return BatchText::tr("--delimiter must be one ASCII character other than a quote");
        }
    }
    if (parser.isSet(localeOption)) {
        options.locale = QLocale(parser.value(localeOption));
        if (options.locale->language() == QLocale::C &&
            parser.value(localeOption) != QLatin1String("C")) {
            return BatchText::tr("--locale: unknown locale \"%1\"").arg(parser.value(localeOption));
        }
    }
    options.grouping = parser.isSet(groupingOption);
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
    options.forest = parser.value(forestOption);
    if (parser.isSet(forestOption) && options.forest.isEmpty()) {
        return BatchText::tr("--forest needs the name of the picture's file");
    }
    options.label = parser.value(labelOption);
    if (parser.isSet(labelOption) && options.label.trimmed().isEmpty()) {
        return BatchText::tr("--label needs the name or number of a column");
    }
    if (parser.isSet(labelOption) && options.forest.isEmpty()) {
        return BatchText::tr("--label names the labels of the forest plot: give --forest too");
    }
    options.checks.oneTailed = parser.isSet(oneTailedOption);
    options.checks.alpha = parser.value(alphaOption).toDouble(&ok);
    if (!ok || !(options.checks.alpha > 0 && options.checks.alpha < 1)) {
        return BatchText::tr("--alpha must be a number between 0 and 1");
    }
    return options;
}

} // namespace lx::cli
