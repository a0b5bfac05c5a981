// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_options.h"

#include "batch_option_table.h"
#include "batch_text.h"
#include "result_columns.h"

#include "planning/plan_reasons.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace lx::cli {

namespace {

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
    const bool raw = parser.isSet(option::equivalence);
    const bool inSd = parser.isSet(option::equivalenceSd);
    if (raw && inSd) {
        return BatchText::tr("give either --equivalence or --equivalence-d, not both");
    }
    if (!raw && !inSd) {
        return std::optional<EquivalenceMargin>();
    }
    const auto delta =
        positiveNumber(parser.value(raw ? option::equivalence : option::equivalenceSd));
    if (!delta) {
        return raw ? BatchText::tr("--equivalence must be a number above 0")
                   : BatchText::tr("--equivalence-d must be a number above 0");
    }
    return std::optional<EquivalenceMargin>(EquivalenceMargin{*delta, inSd});
}

// Whether --columns names a result column of a group.
bool namesColumnOf(const std::optional<QStringList>& columns, bool (*inGroup)(ResultColumn)) {
    return columns && std::any_of(columns->begin(), columns->end(), [inGroup](const QString& name) {
               const auto column = resultColumnNamed(name.trimmed().toLower().toStdString());
               return column && inGroup(*column);
           });
}

// Planning is asked for by any --plan option, or by naming a planning column in --columns.
bool planningAsked(const QCommandLineParser& parser, const std::optional<QStringList>& columns) {
    for (const QString& option : {option::planPower, option::planAlpha, option::planRatio,
                                  option::planTails, option::planEffect}) {
        if (parser.isSet(option)) {
            return true;
        }
    }
    return namesColumnOf(columns, isPlanColumn);
}

// The costly Bayes groups come, as the plan does, with their option or one of their columns.
CostlyGroups costlyGroupsAsked(const QCommandLineParser& parser,
                               const std::optional<QStringList>& columns) {
    return {parser.isSet(option::posterior) || namesColumnOf(columns, isPosteriorColumn),
            parser.isSet(option::robustness) || namesColumnOf(columns, isRobustnessColumn)};
}

// The settings of the planning columns, or the message of a usage error.
std::variant<planning::PlanSettings, QString> planFrom(const QCommandLineParser& parser) {
    planning::PlanSettings plan;
    bool ok = false;
    plan.test.alpha = parser.value(option::planAlpha).toDouble(&ok);
    if (!ok || !(plan.test.alpha > 0 && plan.test.alpha < 1)) {
        return BatchText::tr("--plan-alpha must be a number between 0 and 1");
    }
    plan.power = parser.value(option::planPower).toDouble(&ok);
    if (!ok || !(plan.power > plan.test.alpha && plan.power < 1)) {
        return BatchText::tr("--plan-power must be a number above --plan-alpha and below 1");
    }
    const QString tails = parser.value(option::planTails);
    if (tails != QLatin1String("1") && tails != QLatin1String("2")) {
        return BatchText::tr("--plan-tails must be 1 or 2");
    }
    plan.test.tails = tails == QLatin1String("1") ? power::Tails::One : power::Tails::Two;
    const QString ratio = parser.value(option::planRatio).toLower();
    if (ratio == QLatin1String("observed")) {
        plan.observedRatio = true;
    } else if (const auto value = positiveNumber(ratio)) {
        plan.ratio = *value;
    } else {
        return BatchText::tr("--plan-ratio must be a number above 0 or observed");
    }
    const QString effect = parser.value(option::planEffect).toLower();
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

std::variant<BatchOptions, QString> batchOptions(const QCommandLineParser& parser) {
    BatchOptions options;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return BatchText::tr("give at most one file");
    }
    options.file = files.value(0);
    if (parser.isSet(option::columns)) {
        options.columns = parser.value(option::columns).split(QLatin1Char(','));
    }
    options.prefix = parser.value(option::prefix);
    bool ok = false;
    if (parser.isSet(option::headerLine)) {
        const qulonglong line = parser.value(option::headerLine).toULongLong(&ok);
        if (!ok || line < 1 || line > 1000000000) {
            return BatchText::tr("--header-line must be a whole number from 1");
        }
        options.headerLine = static_cast<std::size_t>(line);
    }
    if (parser.isSet(option::map)) {
        auto map = parseColumnMap(parser.value(option::map));
        if (const QString* problem = std::get_if<QString>(&map)) {
            return *problem;
        }
        options.map = std::get<ColumnMap>(map);
    }
    options.level = parser.value(option::level).toDouble(&ok);
    if (!ok || !(options.level > 0 && options.level < 1)) {
        return BatchText::tr("--level must be a number between 0 and 1");
    }
    const auto priorScale = positiveNumber(parser.value(option::priorScale));
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
    if (parser.isSet(option::format)) {
        const QString format = parser.value(option::format).toLower();
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
    if (parser.isSet(option::inputFormat)) {
        const QString format = parser.value(option::inputFormat).toLower();
        if (format == QLatin1String("tsv")) {
            options.delimiter = '\t';
        } else if (format == QLatin1String("csv")) {
            options.delimiter = ',';
        } else {
            return BatchText::tr("--input-format must be csv or tsv");
        }
    }
    if (parser.isSet(option::delimiter)) {
        options.delimiter = delimiterFrom(parser.value(option::delimiter));
        if (!options.delimiter) {
            return BatchText::tr("--delimiter must be one ASCII character other than a quote");
        }
    }
    if (parser.isSet(option::locale)) {
        options.locale = QLocale(parser.value(option::locale));
        if (options.locale->language() == QLocale::C &&
            parser.value(option::locale) != QLatin1String("C")) {
            return BatchText::tr("--locale: unknown locale \"%1\"")
                .arg(parser.value(option::locale));
        }
    }
    options.grouping = parser.isSet(option::grouping);
    options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (parser.isSet(option::jobs)) {
        options.jobs = parser.value(option::jobs).toInt(&ok);
        if (!ok || options.jobs < 1 || options.jobs > 256) {
            return BatchText::tr("--jobs must be a whole number from 1 to 256");
        }
    }
    options.strict = parser.isSet(option::strict);
    if (parser.isSet(option::items)) {
        const int items = parser.value(option::items).toInt(&ok);
        if (!ok || items < 1 || items > 1000000) {
            return BatchText::tr("--items must be a whole number from 1 to 1000000");
        }
        options.checks.items = items;
    }
    options.forest = parser.value(option::forest);
    if (parser.isSet(option::forest) && options.forest.isEmpty()) {
        return BatchText::tr("--forest needs the name of the picture's file");
    }
    options.label = parser.value(option::label);
    if (parser.isSet(option::label) && options.label.trimmed().isEmpty()) {
        return BatchText::tr("--label needs the name or number of a column");
    }
    if (parser.isSet(option::label) && options.forest.isEmpty()) {
        return BatchText::tr("--label names the labels of the forest plot: give --forest too");
    }
    auto pool = poolSettings(parser);
    if (const QString* problem = std::get_if<QString>(&pool)) {
        return *problem;
    }
    options.pool = std::get<std::optional<PoolSettings>>(std::move(pool));
    options.funnel = parser.value(option::funnel);
    if (parser.isSet(option::funnel) && options.funnel.isEmpty()) {
        return BatchText::tr("--funnel needs the name of the picture's file");
    }
    // The funnel is drawn around the pooled estimate, by the default pooling when none is asked.
    if (!options.funnel.isEmpty() && !options.pool) {
        options.pool = PoolSettings{};
    }
    options.checks.oneTailed = parser.isSet(option::oneTailed);
    options.checks.alpha = parser.value(option::alpha).toDouble(&ok);
    if (!ok || !(options.checks.alpha > 0 && options.checks.alpha < 1)) {
        return BatchText::tr("--alpha must be a number between 0 and 1");
    }
    return options;
}

} // namespace lx::cli
