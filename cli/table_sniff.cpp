// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_sniff.h"

#include "group_columns.h"

#include "batch_text.h"
#include "csv_records.h"
#include "number_fields.h"

#include <algorithm>

namespace lx::cli {

namespace {

// Enough rows to tell a delimiter by, few enough to read at once.
constexpr std::size_t sampleRecords = 20;

RecordBatch sampleRecordsOf(std::string_view start, bool complete, char delimiter) {
    if (!complete) {
        // A cut line would look like a row with too few fields.
        const std::size_t lineEnd = start.find_last_of("\r\n");
        start = start.substr(0, lineEnd == std::string_view::npos ? 0 : lineEnd + 1);
    }
    CsvReader reader(delimiter);
    RecordBatch records;
    reader.feed(start, records);
    if (complete) {
        reader.finish(records);
    }
    return records;
}

// The fields every sampled record has, or 0 when they differ. Empty fields beyond the first
// record's, which spreadsheets export after the last column, do not count.
std::size_t evenFieldCount(const RecordBatch& records) {
    const std::size_t count = std::min(records.size(), sampleRecords);
    if (count == 0) {
        return 0;
    }
    const std::size_t fields = records.fieldCount(0);
    for (std::size_t record = 1; record < count; ++record) {
        std::size_t used = records.fieldCount(record);
        while (used > fields && records.field(record, used - 1).empty()) {
            --used;
        }
        if (used != fields) {
            return 0;
        }
    }
    return fields;
}

// What a cell says about the decimal mark. "1.500" and "1,500" could also hold a group
// separator, so they say less than "3.25" or "-12,5".
enum class Mark { None, Point, Comma, PointOrGroup, CommaOrGroup };

Mark markOf(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
    }
    const std::size_t separator = text.find_first_not_of("0123456789");
    if (separator == 0 || separator == std::string_view::npos || separator + 1 == text.size() ||
        (text[separator] != ',' && text[separator] != '.')) {
        return Mark::None;
    }
    const std::string_view fraction = text.substr(separator + 1);
    if (!std::all_of(fraction.begin(), fraction.end(), isDigit)) {
        return Mark::None;
    }
    const bool couldGroup = separator <= 3 && fraction.size() == 3 && text.front() != '0';
    if (text[separator] == '.') {
        return couldGroup ? Mark::PointOrGroup : Mark::Point;
    }
    return couldGroup ? Mark::CommaOrGroup : Mark::Comma;
}

// The marks the sampled cells of one column show.
struct ColumnMarks {
    std::size_t points = 0;
    std::size_t commas = 0;
    std::size_t pointsOrGroups = 0;
    std::size_t commasOrGroups = 0;
};

std::vector<ColumnMarks> marksByColumn(const RecordBatch& records) {
    std::vector<ColumnMarks> marks;
    const std::size_t count = std::min(records.size(), sampleRecords);
    for (std::size_t record = 1; record < count; ++record) {
        marks.resize(std::max(marks.size(), records.fieldCount(record)));
        for (std::size_t k = 0; k < records.fieldCount(record); ++k) {
            switch (markOf(records.field(record, k))) {
            case Mark::None:
                break;
            case Mark::Point:
                ++marks[k].points;
                break;
            case Mark::Comma:
                ++marks[k].commas;
                break;
            case Mark::PointOrGroup:
                ++marks[k].pointsOrGroups;
                break;
            case Mark::CommaOrGroup:
                ++marks[k].commasOrGroups;
                break;
            }
        }
    }
    return marks;
}

// A locale that reads decimal commas: the user's own when it does.
QLocale decimalCommaLocale() {
    const QLocale system = QLocale::system();
    return system.decimalPoint() == QLatin1String(",") ? system
                                                       : QLocale(QLocale::German, QLocale::Germany);
}

// The first group of columns that shows decimals decides, by the mark most of its cells have;
// cells that could hold a group separator only where no group shows a plain decimal. A tie
// goes to the decimal point.
bool usesDecimalComma(const std::vector<ColumnMarks>& marks, const ColumnGroups& groups) {
    for (const bool plain : {true, false}) {
        for (const std::vector<std::size_t>& group : groups) {
            std::size_t points = 0;
            std::size_t commas = 0;
            for (const std::size_t column : group) {
                if (column < marks.size()) {
                    points += plain ? marks[column].points : marks[column].pointsOrGroups;
                    commas += plain ? marks[column].commas : marks[column].commasOrGroups;
                }
            }
            if (points + commas > 0) {
                return commas > points;
            }
        }
    }
    return false;
}

} // namespace

SniffedTable sniffTable(std::string_view start, bool complete, std::optional<char> delimiter,
                        const DecimalWitnesses& witnesses) {
    SniffedTable found;
    if (delimiter) {
        found.delimiter = delimiter;
    } else {
        // Records that all agree are the best witness. Where no delimiter makes them agree (a
        // short row, or one with a note beyond the last column), the header's own split decides,
        // and the rows that do not fit get their own error instead of the whole table a refusal.
        std::size_t bestFields = 1;
        std::size_t bestHeaderFields = 1;
        std::optional<char> headerDelimiter;
        for (const char candidate : delimiterCandidates) {
            const RecordBatch records = sampleRecordsOf(start, complete, candidate);
            const std::size_t fields = evenFieldCount(records);
            if (fields > bestFields) {
                bestFields = fields;
                found.delimiter = candidate;
            }
            const std::size_t headerFields = records.size() > 0 ? records.fieldCount(0) : 0;
            if (headerFields > bestHeaderFields) {
                bestHeaderFields = headerFields;
                headerDelimiter = candidate;
            }
        }
        if (!found.delimiter) {
            found.delimiter = headerDelimiter;
        }
    }
    if (found.delimiter && *found.delimiter != ',') {
        const RecordBatch records = sampleRecordsOf(start, complete, *found.delimiter);
        if (records.size() > 0) {
            std::vector<std::string> header;
            for (std::size_t k = 0; k < records.fieldCount(0); ++k) {
                header.emplace_back(records.field(0, k));
            }
            found.decimalComma = usesDecimalComma(marksByColumn(records), witnesses(header));
        }
    }
    return found;
}

std::optional<char> declaredDelimiter(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    const bool named = text.size() >= 5 && (text[0] | 0x20) == 's' && (text[1] | 0x20) == 'e' &&
                       (text[2] | 0x20) == 'p' && text[3] == '=';
    if (!named || text[4] == '\r' || text[4] == '\n' || text[4] == '"' ||
        (text.size() > 5 && text[5] != '\r' && text[5] != '\n')) {
        return std::nullopt;
    }
    return text[4];
}

TableFormat tableFormat(const BatchOptions& options, const SniffedTable& found) {
    TableFormat format;
    if (options.locale) {
        format.locale = *options.locale;
    } else if (found.decimalComma) {
        format.locale = decimalCommaLocale();
    }
    const bool commaLocale = format.locale.decimalPoint() == QLatin1String(",");
    format.delimiter = found.delimiter.value_or(commaLocale ? ';' : ',');
    format.output =
        options.format.value_or(format.delimiter == '\t' ? OutputFormat::Tsv : OutputFormat::Csv);
    format.outputDelimiter = format.delimiter != '\t' ? format.delimiter : commaLocale ? ';' : ',';
    return format;
}

std::string lineEndOf(std::string_view text) {
    bool quoted = false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '"') {
            quoted = !quoted;
        } else if (!quoted && text[k] == '\n') {
            return "\n";
        } else if (!quoted && text[k] == '\r') {
            return k + 1 < text.size() && text[k + 1] == '\n' ? "\r\n" : "\r";
        }
    }
    return "\n";
}

QString foundText(const BatchOptions& options, const TableFormat& format) {
    QStringList found;
    if (!options.delimiter) {
        found.append(format.delimiter == '\t'
                         ? BatchText::tr("fields separated by tabs")
                         : BatchText::tr("fields separated by %1")
                               .arg(QLatin1String(delimiterName(format.delimiter))));
    }
    if (!options.locale) {
        found.append(format.locale.decimalPoint() == QLatin1String(",")
                         ? BatchText::tr("decimal commas")
                         : BatchText::tr("decimal points"));
    }
    if (found.isEmpty()) {
        return {};
    }
    return BatchText::tr("read with %1 (--delimiter and --locale choose otherwise)")
        .arg(found.join(BatchText::tr(" and ")));
}

std::optional<std::string> singleFieldHeader(const std::vector<std::string>& header) {
    if (header.size() != 1) {
        return std::nullopt;
    }
    for (const char candidate : delimiterCandidates) {
        if (header.front().find(candidate) != std::string::npos) {
            return narrow(BatchText::tr("the header is a single field that holds %1; "
                                        "is that the delimiter? Then give --delimiter %2")
                              .arg(QLatin1String(delimiterName(candidate)),
                                   candidate == '\t' ? QStringLiteral("tab")
                                                     : QStringLiteral("'%1'").arg(candidate)));
        }
    }
    return std::nullopt;
}

const char* delimiterName(char delimiter) {
    switch (delimiter) {
    case '\t':
        return "tab";
    case ',':
        return "','";
    case ';':
        return "';'";
    case '|':
        return "'|'";
    default:
        return "?";
    }
}

std::vector<std::vector<std::size_t>> decimalWitnesses(const std::vector<std::string>& header,
                                                       const ColumnMap& map) {
    enum Witness { Summary, Reported, PassedThrough, None };
    std::vector<Witness> witness(header.size(), PassedThrough);
    CheckColumns checks = findCheckInputs(header);
    mapCheckColumns(header, map, checks); // a --map that names no column is refused later
    for (std::size_t input = 0; input < checkInputCount; ++input) {
        if (checks[input]) {
            witness[*checks[input]] =
                static_cast<CheckInput>(input) == CheckInput::PReported ? None : Reported;
        }
    }
    for (std::size_t k = 0; k < header.size(); ++k) {
        const std::string key = nameKey(header[k]);
        for (int input = 0; input < summaryInputCount; ++input) {
            const std::vector<std::string> aliases = aliasesOf(input);
            if (std::find(aliases.begin(), aliases.end(), key) != aliases.end()) {
                witness[k] = Summary;
            }
        }
    }
    for (int input = 0; input < summaryInputCount; ++input) {
        if (const auto& column = map.summary[static_cast<std::size_t>(input)]) {
            const auto at = mappedColumn(header, *column, inputName(input));
            if (const std::size_t* index = std::get_if<std::size_t>(&at)) {
                witness[*index] = Summary;
            }
        }
    }
    if (const auto groups = groupColumns(header)) {
        for (const auto& column : groups->found) {
            if (column) {
                witness[*column] = Summary;
            }
        }
    }
    std::vector<std::vector<std::size_t>> groups(None);
    for (std::size_t k = 0; k < header.size(); ++k) {
        if (witness[k] != None) {
            groups[witness[k]].push_back(k);
        }
    }
    return groups;
}

} // namespace lx::cli
