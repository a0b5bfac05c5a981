// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool_settings.h"

#include "batch_option_table.h"
#include "batch_text.h"

#include <QStringList>

namespace lx::cli {

namespace {

std::optional<meta::Estimator> methodNamed(const QString& name) {
    for (const meta::Estimator method :
         {meta::Estimator::EE, meta::Estimator::DL, meta::Estimator::REML, meta::Estimator::PM}) {
        if (name.compare(methodName(method), Qt::CaseInsensitive) == 0) {
            return method;
        }
    }
    return std::nullopt;
}

// The methods of --pool-method, or the message that names those it does not know.
std::variant<std::vector<meta::Estimator>, QString> methodsFrom(const QString& text) {
    std::vector<meta::Estimator> methods;
    QStringList unknown;
    for (const QString& part : text.split(QLatin1Char(','))) {
        if (const auto method = methodNamed(part.trimmed())) {
            methods.push_back(*method);
        } else {
            unknown.append(u'"' + part.trimmed() + u'"');
        }
    }
    if (!unknown.isEmpty()) {
        return BatchText::tr("--pool-method: unknown method %1; give EE, DL, REML or PM, or a "
                             "list of them such as EE,REML")
            .arg(unknown.join(QLatin1String(", ")));
    }
    return methods;
}

std::optional<PoolFormat> formatOf(const QString& file) {
    const QString name = file.toLower();
    if (name.endsWith(QLatin1String(".csv"))) {
        return PoolFormat::Csv;
    }
    if (name.endsWith(QLatin1String(".tsv")) || name.endsWith(QLatin1String(".tab"))) {
        return PoolFormat::Tsv;
    }
    if (name.endsWith(QLatin1String(".jsonl"))) {
        return PoolFormat::Jsonl;
    }
    return std::nullopt;
}

} // namespace

QString methodName(meta::Estimator method) {
    switch (method) {
    case meta::Estimator::EE:
        return QStringLiteral("EE");
    case meta::Estimator::DL:
        return QStringLiteral("DL");
    case meta::Estimator::REML:
        return QStringLiteral("REML");
    case meta::Estimator::PM:
        return QStringLiteral("PM");
    }
    return {};
}

std::variant<std::optional<PoolSettings>, QString> poolSettings(const QCommandLineParser& parser) {
    const bool asked = parser.isSet(option::pool) || parser.isSet(option::poolMethod) ||
                       parser.isSet(option::poolTest) || parser.isSet(option::poolBy) ||
                       parser.isSet(option::poolEffect);
    if (!asked) {
        return std::optional<PoolSettings>();
    }
    PoolSettings settings;
    if (parser.isSet(option::pool)) {
        settings.file = parser.value(option::pool);
        if (settings.file.isEmpty()) {
            return BatchText::tr("--pool needs the name of the file of the pooled results");
        }
        const auto format = formatOf(settings.file);
        if (!format) {
            return BatchText::tr("--pool: the file's name must end in .csv, .tsv or .jsonl, "
                                 "which says its format: \"%1\"")
                .arg(settings.file);
        }
        settings.format = *format;
    }
    auto methods = methodsFrom(parser.value(option::poolMethod));
    if (const QString* problem = std::get_if<QString>(&methods)) {
        return *problem;
    }
    settings.methods = std::get<std::vector<meta::Estimator>>(std::move(methods));
    const QString test = parser.value(option::poolTest).trimmed().toLower();
    if (test == QLatin1String("knha")) {
        settings.test = meta::Test::Knha;
    } else if (test != QLatin1String("z")) {
        return BatchText::tr("--pool-test must be z or knha");
    }
    settings.by = parser.value(option::poolBy);
    if (parser.isSet(option::poolBy) && settings.by.trimmed().isEmpty()) {
        return BatchText::tr("--pool-by needs the name or number of a column");
    }
    const QString effect = parser.value(option::poolEffect).trimmed().toLower();
    if (effect == QLatin1String("md")) {
        settings.effect = PoolEffect::Md;
    } else if (effect != QLatin1String("g")) {
        return BatchText::tr("--pool-effect must be g or md");
    }
    return std::optional<PoolSettings>(std::move(settings));
}

} // namespace lx::cli
