#pragma once

#include "check_inputs.h"
#include "table_writer.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace lx::cli {

// Exit statuses of the tool.
enum ExitStatus { Done = 0, RowsFailed = 1, UsageError = 2 };

struct BatchOptions {
    QString file;                       // empty or "-": standard input
    std::optional<QStringList> columns; // only these output columns, in this order
    double level = 0.95;
    OutputFormat format = OutputFormat::Csv;
    char delimiter = ',';
    QLocale locale = QLocale::c();
    int jobs = 1;
    bool strict = false;
    bool progress = false; // a progress line on err (only for a file)
    CheckSettings checks;  // how reported results are checked
};

// Reads the table, writes the results to out in input order and messages to err. Sets the
// default locale to the table's, which the window's P class is written in.
ExitStatus runBatch(const BatchOptions& options, std::FILE* out, std::FILE* err);

} // namespace lx::cli
