#include "table_sniff.h"

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

// The fields every sampled record has, or 0 when they differ.
std::size_t evenFieldCount(const RecordBatch& records) {
    const std::size_t count = std::min(records.size(), sampleRecords);
    if (count == 0) {
        return 0;
    }
    const std::size_t fields = records.fieldCount(0);
    for (std::size_t record = 1; record < count; ++record) {
        if (records.fieldCount(record) != fields) {
            return 0;
        }
    }
    return fields;
}

// The separator of a decimal like "-12,5" or "3.25", or 0 for any other text.
char decimalSeparatorOf(std::string_view text) {
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
        return 0;
    }
    const std::string_view fraction = text.substr(separator + 1);
    return std::all_of(fraction.begin(), fraction.end(), isDigit) ? text[separator] : 0;
}

// A locale that reads decimal commas: the user's own when it does.
QLocale decimalCommaLocale() {
    const QLocale system = QLocale::system();
    return system.decimalPoint() == QLatin1String(",") ? system
                                                       : QLocale(QLocale::German, QLocale::Germany);
}

bool usesDecimalComma(const RecordBatch& records) {
    bool comma = false;
    const std::size_t count = std::min(records.size(), sampleRecords);
    for (std::size_t record = 1; record < count; ++record) {
        for (std::size_t k = 0; k < records.fieldCount(record); ++k) {
            const char separator = decimalSeparatorOf(records.field(record, k));
            if (separator == '.') {
                return false;
            }
            comma = comma || separator == ',';
        }
    }
    return comma;
}

} // namespace

SniffedTable sniffTable(std::string_view start, bool complete, std::optional<char> delimiter) {
    SniffedTable found;
    if (delimiter) {
        found.delimiter = delimiter;
    } else {
        std::size_t bestFields = 1;
        for (const char candidate : delimiterCandidates) {
            const std::size_t fields = evenFieldCount(sampleRecordsOf(start, complete, candidate));
            if (fields > bestFields) {
                bestFields = fields;
                found.delimiter = candidate;
            }
        }
    }
    if (found.delimiter && *found.delimiter != ',') {
        found.decimalComma = usesDecimalComma(sampleRecordsOf(start, complete, *found.delimiter));
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

} // namespace lx::cli
