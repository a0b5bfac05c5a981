#include "raw_values.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "statistics.h"

#include <QStringView>

#include <cmath>
#include <limits>

namespace lx {

namespace {

constexpr qsizetype namesShown = 3;
constexpr qsizetype nameLength = 20;

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

bool isCellBreak(QChar c) {
    return isLineBreak(c) || c == u'\t' || c == u';';
}

QStringView withoutFinalLineBreak(QStringView text) {
    if (text.endsWith(u"\r\n")) {
        return text.chopped(2);
    }
    if (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        return text.chopped(1);
    }
    return text;
}

class Reader {
public:
    Reader(const QLocale& locale, qsizetype limit)
        : m_locale(locale)
        , m_limit(limit) {}

    // False once reading must stop.
    bool readCell(QStringView cell) {
        const QList<QStringView> words = cell.split(u' ', Qt::SkipEmptyParts);
        bool anyNumber = false;
        QStringList others;
        for (QStringView word : words) {
            double value = 0;
            if (!readNumber(word, value)) {
                if (m_result.outOfRange) {
                    return false;
                }
                others.append(word.toString());
                continue;
            }
            if (static_cast<qsizetype>(m_result.values.size()) == m_limit) {
                m_result.tooMany = true;
                return false;
            }
            m_result.values.push_back(value);
            anyNumber = true;
        }
        if (words.isEmpty()) {
            ++m_result.emptyCells;
            ++m_result.skippedCells;
        } else if (!anyNumber) {
            skip(cell.trimmed().toString());
        } else {
            for (const QString& other : others) {
                skip(other);
            }
        }
        return true;
    }

    RawValues take() { return std::move(m_result); }

private:
    bool readNumber(QStringView word, double& value) {
        try {
            value = number_text::toDouble(word.toString(), m_locale);
            return true;
        } catch (const RuntimeError& error) {
            if (error.number() == ErrorNumber::Overflow) {
                m_result.outOfRange = true;
            }
            return false;
        }
    }

    void skip(const QString& text) {
        ++m_result.skippedCells;
        const QString name =
            text.size() > nameLength ? text.left(nameLength - 1).trimmed() + u'…' : text;
        if (m_result.skippedNames.contains(name)) {
            return;
        }
        if (m_result.skippedNames.size() < namesShown) {
            m_result.skippedNames.append(name);
        } else {
            m_result.moreNames = true;
        }
    }

    const QLocale& m_locale;
    qsizetype m_limit;
    RawValues m_result;
};

QString setName(int set) {
    return set == 1 ? QStringLiteral("first set") : QStringLiteral("second set");
}

QString confirmation(const RawValues& raw, std::int32_t n, int set, const QLocale& locale) {
    QString text =
        QStringLiteral("%1 values pasted into the %2").arg(locale.toString(n), setName(set));
    if (raw.skippedCells == 0) {
        return text;
    }
    const auto cells = [&locale](qsizetype count, const QString& kind) {
        return QStringLiteral("%1 %2%3").arg(locale.toString(count), kind,
                                             count == 1 ? QStringLiteral("cell")
                                                        : QStringLiteral("cells"));
    };
    if (raw.emptyCells == raw.skippedCells) {
        return text +
               QStringLiteral(" (%1 skipped)").arg(cells(raw.emptyCells, QStringLiteral("empty ")));
    }
    QStringList names = raw.skippedNames;
    if (raw.moreNames) {
        names.append(QStringLiteral("…"));
    }
    if (raw.emptyCells > 0) {
        names.append(QStringLiteral("%1 empty").arg(locale.toString(raw.emptyCells)));
    }
    text += QStringLiteral(" (%1 skipped: %2)")
                .arg(cells(raw.skippedCells, QString()), names.join(QStringLiteral(", ")));
    return text;
}

} // namespace

RawValues readRawValues(const QString& text, const QLocale& locale, qsizetype limit) {
    const QStringView all = withoutFinalLineBreak(text);
    Reader reader(locale, limit);
    qsizetype start = 0;
    bool afterSeparator = false; // the cell began after a tab or semicolon
    for (qsizetype i = 0; i <= all.size(); ++i) {
        if (i < all.size() && !isCellBreak(all[i])) {
            continue;
        }
        const QStringView cell = all.mid(start, i - start);
        const bool endsLine = i == all.size() || isLineBreak(all[i]);
        // A separator that ends a line ends its last cell rather than starting one.
        if (!(afterSeparator && endsLine && cell.trimmed().isEmpty()) && !reader.readCell(cell)) {
            break;
        }
        afterSeparator = !endsLine;
        if (i + 1 < all.size() && all[i] == u'\r' && all[i + 1] == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    return reader.take();
}

SetFromRawValues setFromRawValues(const QString& text, int set, const QLocale& locale,
                                  qsizetype limit) {
    RawValues raw = readRawValues(text, locale, limit);
    SetFromRawValues result;
    // A number that could not be taken still makes the text raw values.
    const bool unreadNumber = raw.outOfRange || raw.tooMany;
    if (raw.values.size() + (unreadNumber ? 1 : 0) < 2) {
        return result;
    }
    result.outcome = SetFromRawValues::Outcome::Refused;
    if (raw.tooMany) {
        result.message = QStringLiteral("The %1 takes at most %2 values.")
                             .arg(setName(set), locale.toString(static_cast<qlonglong>(limit)));
        return result;
    }
    const QString outOfRange =
        QStringLiteral("The mean or standard deviation of the values for the %1 is out of range.")
            .arg(setName(set));
    if (raw.outOfRange) {
        result.message = outOfRange;
        return result;
    }

    DoubleArray values;
    values.values = std::move(raw.values);
    std::int32_t n = 0;
    constexpr double unset = std::numeric_limits<double>::quiet_NaN();
    double mean = unset;
    double sd = unset;
    double sem = unset;
    NumberVariant cv;
    try {
        Statistics().Average(values, mean, sd, sem, cv, n);
    } catch (const RuntimeError&) {
        // Only the coefficient of variation, which a set does not need, fails after the SEM.
        if (std::isnan(sem)) {
            result.message = outOfRange;
            return result;
        }
    }
    result.outcome = SetFromRawValues::Outcome::Filled;
    result.texts = {number_text::fromLong(n, locale), number_text::fromDouble(mean, locale),
                    number_text::fromDouble(sd, locale)};
    result.message = confirmation(raw, n, set, locale);
    return result;
}

} // namespace lx
