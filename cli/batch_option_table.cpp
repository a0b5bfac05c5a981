// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_option_table.h"

#include "batch_text.h"
#include "result_columns.h"

namespace lx::cli {

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
        {option::columns,
         BatchText::tr("Only these output columns, comma-separated: the table's (by name, or "
                       "by number from 1 where names repeat) and the result columns listed "
                       "below."),
         QStringLiteral("list")},
        {option::map,
         BatchText::tr("Name the columns of the inputs outright, as n1=Total_E,m1=Mean_E,sd1=SD_E,"
                       "n2=...: a header name as written or a column number from 1; the rest are "
                       "found by their usual names (n1, size1, total1, n1i, mean1, m1i, sd1, "
                       "sd1i, se1, ...)."),
         QStringLiteral("list")},
        {option::headerLine,
         BatchText::tr("The line that holds the header, from 1 (default 1); the lines above it, "
                       "such as a spreadsheet's title, are skipped."),
         QStringLiteral("n")},
        {option::prefix,
         BatchText::tr("Put this in front of every result column's name, say lx_ when the table "
                       "has a column of the same name."),
         QStringLiteral("text")},
        {option::level, BatchText::tr("Confidence level of the intervals (default 0.95)."),
         QStringLiteral("level"), QStringLiteral("0.95")},
        {option::format,
         BatchText::tr("Output format: csv, tsv or jsonl (default: tsv for tab-separated input, "
                       "else csv). The input is read as it is written, whatever the output."),
         QStringLiteral("format")},
        {option::inputFormat,
         BatchText::tr("Input format: csv (comma-separated, or --delimiter) or tsv "
                       "(tab-separated)."),
         QStringLiteral("format")},
        {option::delimiter,
         BatchText::tr("Field delimiter of the input and of CSV output: one character, or tab "
                       "(also \\t)."),
         QStringLiteral("char")},
        {option::locale,
         BatchText::tr("Read and write numbers with this locale's decimal separator, "
                       "such as de_DE or C."),
         QStringLiteral("name")},
        {option::grouping,
         BatchText::tr("Accept the locale's group separators in numbers (1.500 is 1500 with "
                       "--locale de_DE); without it such numbers are refused.")},
        {option::jobs, BatchText::tr("Worker threads (default: all cores)."), QStringLiteral("n")},
        {option::strict, BatchText::tr("Exit with status 1 when any row has an error, or a check "
                                       "of reported results that could not run (check_error).")},
        {option::priorScale,
         BatchText::tr("Scale r of the Cauchy prior of the Bayes factors (default 0.707)."),
         QStringLiteral("r"), QStringLiteral("0.7071067811865476")},
        {option::posterior,
         BatchText::tr(
             "Fill the posterior columns delta_median, delta_cri_lo and delta_cri_hi "
             "(about half a millisecond a row). Naming one of them in --columns does the same; "
             "without either they stay empty.")},
        {option::robustness,
         BatchText::tr("Fill the columns of BF10 against the prior scale: bf10_r05, bf10_wide, "
                       "bf10_ultrawide, bf10_max and r_max (a few hundred integrals a row). "
                       "Naming one of them in --columns does the same; without either they stay "
                       "empty.")},
        {option::equivalence,
         BatchText::tr("Equivalence tests against the bounds -delta and +delta on M1 - M2."),
         QStringLiteral("delta")},
        {option::equivalenceSd,
         BatchText::tr("Equivalence tests with the bounds in units of the pooled SD."),
         QStringLiteral("delta")},
        {option::items,
         BatchText::tr("Whole-number items each score averages, for the granularity tests of "
                       "both sets where a row gives no items1 or items2."),
         QStringLiteral("k")},
        {option::alpha,
         BatchText::tr("Significance level of the p check's decision errors (default 0.05)."),
         QStringLiteral("alpha"), QStringLiteral("0.05")},
        {option::oneTailed,
         BatchText::tr("Take reported p as one-tailed where a row gives no tails_reported (1 or "
                       "2): the p beyond t on the side of the observed difference, never "
                       "halved or doubled; a one-tailed p above .5 is checked against the other "
                       "tail.")},
        {option::planPower,
         BatchText::tr("Plan the next study of each row: the power its sample must reach "
                       "(default 0.8). Any --plan option, or a planning column in --columns, "
                       "fills the planning columns; without, they stay empty and cost nothing."),
         QStringLiteral("power"), QStringLiteral("0.8")},
        {option::planAlpha, BatchText::tr("Significance level of the planned test (default 0.05)."),
         QStringLiteral("alpha"), QStringLiteral("0.05")},
        {option::planRatio,
         BatchText::tr("n2/n1 of the planned sample (default 1), or observed for the row's "
                       "N2/N1."),
         QStringLiteral("ratio"), QStringLiteral("1")},
        {option::planTails, BatchText::tr("Tails of the planned test: 1 or 2 (default 2)."),
         QStringLiteral("n"), QStringLiteral("2")},
        {option::planEffect,
         BatchText::tr("The effect to plan for: observed (the row's d, the default), safeguard "
                       "(the end of its 60% interval nearer 0) or a d, such as the smallest "
                       "effect of interest."),
         QStringLiteral("effect"), QStringLiteral("observed")},
        {option::forest,
         BatchText::tr("Draw a forest plot of Hedges' g with its interval for each row, the "
                       "marker's area in proportion to 1/g_var, to this file: .svg, .pdf or "
                       ".png (by its suffix). Rows with errors are left out and counted in the "
                       "summary. With any --pool option, the pooled diamond with its prediction "
                       "interval and the summary line under the studies, their weights, and a "
                       "diamond per --pool-by subgroup. The table is written as without it."),
         QStringLiteral("file")},
        {option::funnel,
         BatchText::tr("Draw a funnel plot to this file: .svg, .pdf or .png (by its suffix): each "
                       "row's effect against its standard error, the pooled estimate with its "
                       "pseudo 95% limits, and the regions of p < .10, .05 and .01 around no "
                       "effect. Pools the rows as the --pool options say (REML without them). "
                       "The table is written as without it."),
         QStringLiteral("file")},
        {option::label,
         BatchText::tr("The column whose cells label the forest plot's rows (by name, or by "
                       "number from 1); without it, the row numbers."),
         QStringLiteral("column")},
        {option::pool,
         BatchText::tr("Pool the rows' effects in a meta-analysis and write the pooled results "
                       "to this file: .csv, .tsv or .jsonl (by its suffix), in the table's number "
                       "format. Rows with errors are left out and counted (excluded). The first "
                       "pooled row is also summed up in a line on standard error, which any "
                       "--pool option gives without a file. The table is written as without it."),
         QStringLiteral("file")},
        {option::poolMethod,
         BatchText::tr("How the between-study variance tau² is estimated, one pooled row each in "
                       "the order given: EE (common effect, tau² = 0), DL (DerSimonian-Laird), "
                       "REML (restricted maximum likelihood) or PM (Paule-Mandel), or a list as "
                       "EE,REML (default REML)."),
         QStringLiteral("list"), QStringLiteral("REML")},
        {option::poolTest,
         BatchText::tr("Test and interval of the pooled effect: z (normal) or knha (Knapp-Hartung, "
                       "t with k - 1 df; default z)."),
         QStringLiteral("test"), QStringLiteral("z")},
        {option::poolBy,
         BatchText::tr("Pool the rows of each value of this column apart (by name, or by number "
                       "from 1), each with its own tau², after the overall rows, which carry the "
                       "test for subgroup differences (q_between). Rows with a blank cell there "
                       "count in the overall rows only."),
         QStringLiteral("column")},
        {option::poolEffect,
         BatchText::tr("The effect pooled: g (Hedges' g with g_var, the default) or md (the raw "
                       "mean difference M1 - M2 with the variance SD1²/N1 + SD2²/N2)."),
         QStringLiteral("effect"), QStringLiteral("g")},
    });
}

QString batchHelp(const QCommandLineParser& parser) {
    return parser.helpText() + QLatin1Char('\n') + resultColumnsHelp() + QLatin1Char('\n') +
           BatchText::tr("Examples:\n"
                         "  lxtervan-batch --columns study,g,g_ci_lo,g_ci_hi --forest forest.svg "
                         "--label study studies.csv\n"
                         "      g and its interval for each row to standard output, and a "
                         "forest plot of them labelled by the column study.\n"
                         "  lxtervan-batch --pool pooled.csv --pool-by setting --forest forest.png "
                         "--funnel funnel.png --label study studies.csv\n"
                         "      the rows pooled by REML, overall and per setting, to pooled.csv, "
                         "drawn as a forest plot with their diamonds and as a funnel plot.\n");
}

} // namespace lx::cli
