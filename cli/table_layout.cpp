#include "table_layout.h"

#include "batch_text.h"

#include <QString>

#include <algorithm>

namespace lx::cli {

namespace {

QString key(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed().toLower();
}

std::optional<std::size_t> indexOf(const std::vector<QString>& keys, const QString& name) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (keys[k] == name) {
            return k;
        }
    }
    return std::nullopt;
}

void addResult(TableLayout& layout, ResultColumn column) {
    layout.output.push_back({std::string(resultColumnName(column)), false, 0, column});
    layout.wanted[static_cast<std::size_t>(column)] = true;
}

} // namespace

std::variant<TableLayout, std::string> layoutFor(const std::vector<std::string>& header,
                                                 const std::optional<QStringList>& columns) {
    std::vector<QString> keys;
    keys.reserve(header.size());
    for (const std::string& name : header) {
        keys.push_back(key(name));
    }
    TableLayout layout;
    layout.checks = findCheckInputs(header);
    static const char* const required[] = {"n1", "m1", "sd1", "n2", "m2", "sd2"};
    const auto has = [&](const char* name) { return indexOf(keys, QString::fromLatin1(name)); };
    const bool anyCheckInput = std::any_of(layout.checks.begin(), layout.checks.begin() + 3,
                                           [](const auto& at) { return at.has_value(); });
    const bool anySummaryInput =
        std::any_of(std::begin(required), std::end(required),
                    [&](const char* name) { return has(name).has_value(); }) ||
        has("se1") || has("se2");
    layout.summary.present = anySummaryInput || !anyCheckInput;
    for (std::size_t k = 0; layout.summary.present && k < summaryFieldCount; ++k) {
        const QString name = QString::fromLatin1(required[k]);
        auto at = indexOf(keys, name);
        if (!at && name.startsWith(QLatin1String("sd"))) {
            const QString se = QLatin1String("se") + name.back();
            at = indexOf(keys, se);
            if (!at) {
                return narrow(
                    BatchText::tr("the header has no column \"%1\" (nor \"%2\")").arg(name, se));
            }
            layout.summary.givenAsSe[k == 2 ? 0 : 1] = true;
        }
        if (!at) {
            return narrow(BatchText::tr("the header has no column \"%1\"").arg(name));
        }
        layout.summary.index[k] = *at;
    }
    if (!columns) {
        for (std::size_t k = 0; k < header.size(); ++k) {
            layout.output.push_back({header[k], true, k, ResultColumn::Error});
        }
        for (int k = 0; k < resultColumnCount; ++k) {
            const auto result = static_cast<ResultColumn>(k);
            if (layout.summary.present || !needsSummary(result)) {
                addResult(layout, result);
            }
        }
        return layout;
    }
    for (const QString& wanted : *columns) {
        const QString name = wanted.trimmed().toLower();
        if (const auto result = resultColumnNamed(name.toStdString())) {
            if (!layout.summary.present && needsSummary(*result)) {
                return narrow(BatchText::tr("--columns: \"%1\" needs the columns n1, m1, sd1, "
                                            "n2, m2 and sd2")
                                  .arg(wanted));
            }
            addResult(layout, *result);
        } else if (const auto input = indexOf(keys, name)) {
            layout.output.push_back({header[*input], true, *input, ResultColumn::Error});
        } else {
            return narrow(BatchText::tr("--columns: there is no column \"%1\"").arg(wanted));
        }
    }
    return layout;
}

} // namespace lx::cli
