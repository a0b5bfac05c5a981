// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The names a header gives the summary's inputs, and how a column is found by its name.
namespace lx::cli {

// The inputs a header column can hold for the two sets, as --map names them.
enum class SummaryInput { N1, M1, Sd1, Se1, N2, M2, Sd2, Se2 };
constexpr int summaryInputCount = 8;

// --map's names of the inputs, in the order of SummaryInput.
inline constexpr std::array<std::string_view, summaryInputCount> inputNames = {
    "n1", "m1", "sd1", "se1", "n2", "m2", "sd2", "se2"};

// What an input holds, without its set: N, mean, SD or SE (in the order of SummaryInput).
enum Kind { N, Mean, Sd, Se };
constexpr int kindCount = 4;

// The names of each kind of figure, without the set's number; German exports' too.
inline const std::array<std::vector<std::string>, kindCount> stems = {{
    {"n", "size", "count", "total", "anzahl", "fallzahl", "stichprobenumfang"},
    {"m", "mean", "avg", "average", "mittelwert", "mw"},
    {"sd", "std", "stdev", "s", "standardabweichung"},
    {"se", "sem", "standardfehler"},
}};

Kind kindOf(int input);
int setOf(int input); // 1 or 2
QString inputName(int input);

// The names that mean an input, as nameKey gives them.
std::vector<std::string> aliasesOf(int input);

// A header name as it is compared: lower case, without blanks, "_", "." and "-".
std::string nameKey(std::string_view name);

// A header cell's name as written, without the blanks around it.
QString headerField(const std::string& name);

// What a header name holds, guessed from its last word that names a figure: "Grp A mean" and
// "Mean (E)" hold means.
std::optional<Kind> lastWordKind(const std::string& name);

// The columns whose header name, as --map compares it, is name.
std::vector<std::size_t> columnsNamed(const std::vector<std::string>& header, const QString& name);

// The column a --map value names for an input: a 1-based number, else a header name as written
// that one column has. A message when it names no column, or a name that several have.
std::variant<std::size_t, QString> mappedColumn(const std::vector<std::string>& header,
                                                const QString& column, const QString& input);

} // namespace lx::cli
