// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace lx {

// The most values a set takes from one paste.
inline constexpr qsizetype maxRawValues = 10'000'000;

// What a pasted text holds. Cells are separated by line breaks, tabs and semicolons; blanks
// separate the values inside a cell. A cell without any number (a header, "NA", nothing) is
// skipped as a whole. A line break that ends the text, or a tab or semicolon that ends a line,
// ends the last cell rather than starting one.
struct RawValues {
    std::vector<double> values;
    qsizetype skippedCells = 0;
    qsizetype emptyCells = 0;
    QStringList skippedNames; // the first few distinct texts of skipped cells that were not empty
    bool moreNames = false;   // other texts were skipped too
    bool outOfRange = false;  // a number beyond a double's range; reading stopped there
    bool tooMany = false;     // more than the limit; reading stopped there
    // The first number written with a group separator ("1.500" in German could be 1.5 pasted
    // from an English table); such numbers are counted but not taken.
    QString groupedNumber;
    qsizetype groupedNumbers = 0;
    // The first number that reads only with the other decimal mark ("5,1" where the locale has a
    // decimal point, as a German table pasted into an English window); counted but not taken.
    QString otherMarkNumber;
    qsizetype otherMarkNumbers = 0;
};

RawValues readRawValues(const QString& text, const QLocale& locale, qsizetype limit = maxRawValues);

// What pasting a text into a set comes to: for two or more numbers, the set's N, M and SD as the
// user could have typed them and a confirmation, or a message why the set cannot take them;
// otherwise an ordinary paste. Values written with the other decimal mark are refused with a
// note, not an error: nothing is wrong with them but the window's locale.
struct SetFromRawValues {
    enum class Outcome { OrdinaryPaste, Filled, Refused, OtherDecimalMark };
    Outcome outcome = Outcome::OrdinaryPaste;
    std::array<QString, 3> texts; // N, M, SD when filled
    QString message;              // the confirmation when filled, else why not
};

// The message when the values for a set could not be read at all.
QString unreadableRawValues(int set);

// set: 1 or 2.
SetFromRawValues setFromRawValues(const QString& text, int set, const QLocale& locale,
                                  qsizetype limit = maxRawValues);

} // namespace lx
