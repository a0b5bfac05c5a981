// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pool_file.h"

#include "batch_pipeline.h"
#include "batch_text.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lx::cli {

namespace {

OutputFormat outputFormat(PoolFormat format) {
    switch (format) {
    case PoolFormat::Tsv:
        return OutputFormat::Tsv;
    case PoolFormat::Jsonl:
        return OutputFormat::Jsonl;
    case PoolFormat::Csv:
        break;
    }
    return OutputFormat::Csv;
}

Cell textCell(std::string text) {
    Cell cell;
    if (!text.empty()) {
        cell.kind = Cell::Kind::Text;
        cell.text = std::move(text);
    }
    return cell;
}

std::vector<Cell> rowCells(const PoolRow& row) {
    std::vector<Cell> cells(poolColumnCount);
    for (int k = 0; k < poolColumnCount; ++k) {
        if (const auto& value = row.figures[static_cast<std::size_t>(k)]) {
            cells[static_cast<std::size_t>(k)] = {Cell::Kind::Number, *value, {}};
        }
    }
    const auto at = [&](PoolColumn column) -> Cell& {
        return cells[static_cast<std::size_t>(column)];
    };
    at(PoolColumn::Group) = textCell(row.group);
    at(PoolColumn::Method) = textCell(methodName(row.method).toStdString());
    at(PoolColumn::Test) = textCell(row.test == meta::Test::Knha ? "knha" : "z");
    at(PoolColumn::PoolError) = textCell(narrow(row.error));
    return cells;
}

} // namespace

std::string poolFileText(const PoolRun& run, const TableFormat& format) {
    const OutputFormat output = outputFormat(run.settings.format);
    // A CSV file keeps the table's delimiter, unless the table is written tab-separated.
    const char delimiter = format.outputDelimiter == '\t' ? ',' : format.outputDelimiter;
    std::vector<OutputColumn> columns;
    for (int k = 0; k < poolColumnCount; ++k) {
        columns.push_back({std::string(poolColumnName(static_cast<PoolColumn>(k)))});
    }
    const NumberStyle style(format.locale);
    const TableWriter writer(output, delimiter, style, std::move(columns), poolColumnCount,
                             "extra_cells", format.lineEnd);
    std::string text(format.byteOrderMark && output != OutputFormat::Jsonl ? utf8Mark
                                                                           : std::string_view());
    writer.appendHeader(text);
    for (const PoolRow& row : run.rows) {
        writer.appendCells(rowCells(row), text);
    }
    return text;
}

bool writePoolFile(const PoolRun& run, const TableFormat& format, QString& error) {
    const std::string text = poolFileText(run, format);
    const QByteArray path = QFile::encodeName(run.settings.file);
    errno = 0;
    std::FILE* file = std::fopen(path.constData(), "wb");
    bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeErrno = errno;
    if (file != nullptr && std::fclose(file) != 0 && written) {
        written = false;
    }
    if (!written) {
        const int reason = writeErrno != 0 ? writeErrno : (errno != 0 ? errno : EIO);
        error = BatchText::tr("--pool: cannot write %1: %2")
                    .arg(run.settings.file, QString::fromLocal8Bit(std::strerror(reason)));
    }
    return written;
}

} // namespace lx::cli
