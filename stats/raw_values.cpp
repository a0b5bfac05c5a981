// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "raw_values.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "statistics.h"

#include <QCoreApplication>
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

// A locale with the other decimal mark and no group separators.
QLocale withOtherDecimalMark(const QLocale& locale) {
    QLocale other =
        locale.decimalPoint() == QStringLiteral(",") ? QLocale::c() : QLocale(QLocale::German);
    other.setNumberOptions(QLocale::RejectGroupSeparator);
    return other;
}

class Reader {
public:
    Reader(const QLocale& locale, qsizetype limit)
        : m_locale(locale)
        , m_otherMark(withOtherDecimalMark(locale))
        , m_limit(limit) {}

    // False once reading must stop.
    bool readCell(QStringView cell) {
        const QList<QStringView> words = cell.split(u' ', Qt::SkipEmptyParts);
        bool anyNumber = false;
        QStringList others;
        for (QStringView word : words) {
            double value = 0;
            if (word.contains(m_locale.groupSeparator()) && readNumber(word, value)) {
                if (m_result.groupedNumbers++ == 0) {
                    m_result.groupedNumber = word.toString();
                }
                anyNumber = true;
                continue;
            }
            if (!readNumber(word, value)) {
                if (m_result.outOfRange) {
                    return false;
                }
                if (readsWithOtherMark(word)) {
                    if (m_result.otherMarkNumbers++ == 0) {
                        m_result.otherMarkNumber = word.toString();
                    }
                    anyNumber = true;
                } else {
                    others.append(word.toString());
                }
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

    bool readsWithOtherMark(QStringView word) const {
        bool ok = false;
        m_otherMark.toDouble(word, &ok);
        return ok;
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
    QLocale m_otherMark;
    qsizetype m_limit;
    RawValues m_result;
};

// The texts a user reads, in the user's language. Each names the set in the same grammatical
// case, so the set's name can be put into any of them.
struct PasteText {
    Q_DECLARE_TR_FUNCTIONS(PasteText)
};

QString setName(int set) {
    return set == 1 ? PasteText::tr("first set") : PasteText::tr("second set");
}

QString cellCount(qsizetype count, bool empty, const QLocale& locale) {
    const QString n = locale.toString(count);
    if (empty) {
        return count == 1 ? PasteText::tr("%1 empty cell").arg(n)
                          : PasteText::tr("%1 empty cells").arg(n);
    }
    return count == 1 ? PasteText::tr("%1 cell").arg(n) : PasteText::tr("%1 cells").arg(n);
}

QString confirmation(const RawValues& raw, std::int32_t n, int set, const QLocale& locale) {
    QString text =
        PasteText::tr("%1 values pasted into the %2").arg(locale.toString(n), setName(set));
    if (raw.skippedCells == 0) {
        return text;
    }
    if (raw.emptyCells == raw.skippedCells) {
        return text + PasteText::tr(" (%1 skipped)").arg(cellCount(raw.emptyCells, true, locale));
    }
    QStringList names = raw.skippedNames;
    if (raw.moreNames) {
        names.append(QStringLiteral("…"));
    }
    if (raw.emptyCells > 0) {
        names.append(PasteText::tr("%1 empty").arg(locale.toString(raw.emptyCells)));
    }
    return text + PasteText::tr(" (%1 skipped: %2)")
                      .arg(cellCount(raw.skippedCells, false, locale), names.join(u", "));
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

QString unreadableRawValues(int set) {
    return PasteText::tr("The values for the %1 could not be read.").arg(setName(set));
}

SetFromRawValues setFromRawValues(const QString& text, int set, const QLocale& locale,
                                  qsizetype limit) {
    RawValues raw = readRawValues(text, locale, limit);
    SetFromRawValues result;
    // A number that could not be taken still makes the text raw values.
    const bool unreadNumber = raw.outOfRange || raw.tooMany;
    const auto numbers =
        static_cast<qsizetype>(raw.values.size()) + raw.groupedNumbers + raw.otherMarkNumbers;
    if (numbers + (unreadNumber ? 1 : 0) < 2) {
        return result;
    }
    if (raw.otherMarkNumbers > 0) {
        result.outcome = SetFromRawValues::Outcome::OtherDecimalMark;
        result.message =
            (locale.decimalPoint() == QStringLiteral(",")
                 ? PasteText::tr("The values for the %1 are written with a decimal point "
                                 "(\"%2\"); this window expects a decimal comma, so nothing was "
                                 "pasted.")
                 : PasteText::tr("The values for the %1 are written with a decimal comma "
                                 "(\"%2\"); this window expects a decimal point, so nothing was "
                                 "pasted."))
                .arg(setName(set), raw.otherMarkNumber);
        return result;
    }
    result.outcome = SetFromRawValues::Outcome::Refused;
    if (raw.groupedNumbers > 0) {
        result.message = PasteText::tr("The values for the %1 hold a group separator (\"%2\"), so "
                                       "they could mean other numbers; paste them without group "
                                       "separators.")
                             .arg(setName(set), raw.groupedNumber);
        return result;
    }
    if (raw.tooMany) {
        result.message = PasteText::tr("The %1 takes at most %2 values.")
                             .arg(setName(set), locale.toString(static_cast<qlonglong>(limit)));
        return result;
    }
    const QString outOfRange =
        PasteText::tr("The mean or standard deviation of the values for the %1 is out of range.")
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
