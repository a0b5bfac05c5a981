// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reported_p.h"

#include <QRegularExpression>
#include <QString>

#include <charconv>
#include <cmath>
#include <string>

namespace lx::reported {

namespace {

using Relation = ReportedP::Relation;

// Built on first use: the window that links this starts without compiling it.
const QRegularExpression& pGrammar() {
    // "ns" stands alone or after "=", as tables print it in a column of "= .038"; the words
    // "not significant" say the same (blanks are squeezed out before this reads them).
    static const QRegularExpression grammar(
        QStringLiteral(R"(^(?:p(?:-?values?)?)?(?:=?(?<ns>n\.?s\.?|not(?:statistically)?)"
                       R"(significant|non-?significant|nicht(?:statistisch)?signifikant)|)"
                       R"((?<rel><=|>=|≤|≥|=|<|>)?)"
                       R"((?<mantissa>[-+]?(?:\d+(?:[.,]\d+)?|[.,]\d+)))"
                       R"((?:\.?e(?<exp1>[-+]?\d+)|[x×·*]10\^?(?<exp2>[-+]?\d+))?)$)"),
        QRegularExpression::CaseInsensitiveOption);
    return grammar;
}

Relation relationOf(QStringView sign) {
    if (sign == u"<" || sign == u"<=" || sign == u"\u2264") {
        return Relation::Less;
    }
    if (sign == u">" || sign == u">=" || sign == u"\u2265") {
        return Relation::Greater;
    }
    return Relation::Equal;
}

} // namespace

std::optional<Typed> typedNumber(QStringView text) {
    // A text check reads millions of these: digits into a small buffer and std::from_chars,
    // without QString's allocations and locale.
    text = text.trimmed();
    if (text.startsWith(u'+')) {
        text = text.sliced(1);
    }
    char digits[64];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof digits)) {
        return std::nullopt;
    }
    int decimals = 0;
    bool point = false;
    std::size_t length = 0;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char16_t c = text[k].unicode();
        if (c == u'.' || c == u',') {
            if (point) {
                return std::nullopt;
            }
            point = true;
            digits[length++] = '.';
        } else if ((c >= u'0' && c <= u'9') || (c == u'-' && k == 0)) {
            digits[length++] = static_cast<char>(c);
            decimals += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits, digits + length, value);
    if (error != std::errc() || end != digits + length || !std::isfinite(value)) {
        return std::nullopt;
    }
    return Typed{value, decimals};
}

std::optional<Typed> scaledNumber(QStringView mantissa, int exponent) {
    const auto typed = typedNumber(mantissa);
    if (!typed || exponent < -300 || exponent > 300) {
        return std::nullopt;
    }
    return Typed{typed->value * std::pow(10.0, exponent), typed->decimals - exponent};
}

std::optional<ReportedP> readP(QStringView text) {
    QString squeezed;
    squeezed.reserve(text.size());
    for (const QChar c : text) {
        if (c.isSpace()) {
            continue;
        }
        // A power of ten as a superscript ("10⁻⁵"), a minus sign or en dash for "-".
        static constexpr char16_t superscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
        const auto digit = std::char_traits<char16_t>::find(superscripts, 10, c.unicode());
        if (digit) {
            squeezed += QLatin1Char(char('0' + (digit - superscripts)));
        } else if (c == u'\u207B' || c == u'\u2212' || c == u'\u2013') {
            squeezed += QLatin1Char('-');
        } else if (c == u'\u207A') {
            squeezed += QLatin1Char('+');
        } else if (c == u'\u2039' || c == u'\u203A') { // the single guillemets some fonts print
            squeezed += QLatin1Char(c == u'\u2039' ? '<' : '>');
        } else {
            squeezed += c;
        }
    }
    const QRegularExpressionMatch match = pGrammar().match(squeezed);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    ReportedP p;
    p.relation = relationOf(match.capturedView(u"rel"));
    if (match.hasCaptured(u"ns")) {
        // Not significant: above alpha, whatever was written before it.
        p.relation = Relation::Greater;
        p.notSignificant = true;
        return p;
    }
    const QStringView exponent =
        match.hasCaptured(u"exp1") ? match.capturedView(u"exp1") : match.capturedView(u"exp2");
    bool exponentRead = true;
    const int power = exponent.isEmpty() ? 0 : exponent.toInt(&exponentRead);
    if (!exponentRead) {
        return std::nullopt;
    }
    const auto typed = exponent.isEmpty() ? typedNumber(match.capturedView(u"mantissa"))
                                          : scaledNumber(match.capturedView(u"mantissa"), power);
    if (!typed || typed->value < 0) {
        return std::nullopt;
    }
    p.value = typed->value;
    p.decimals = typed->decimals;
    return p;
}

std::optional<ReportedP> parseP(std::string_view text, double alpha) {
    auto p = readP(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!p || p->value > 1) {
        return std::nullopt;
    }
    if (p->notSignificant) {
        p->value = alpha;
    }
    return p;
}

} // namespace lx::reported
