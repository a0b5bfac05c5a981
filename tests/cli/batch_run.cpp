// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_run.h"

#include "cli/csv_records.h"

using lx::test::runProgram;

BatchRun runBatchTool(const QStringList& arguments, const QByteArray& input,
                      const QString& language) {
    return runProgram(QStringLiteral(LXTERVAN_BATCH), arguments, input, language);
}

BatchRun runBatchScript(const QString& script, const QStringList& arguments,
                        const QByteArray& input) {
    return runProgram(QStringLiteral("bash"),
                      QStringList{QStringLiteral("-c"), script, QStringLiteral(LXTERVAN_BATCH)} +
                          arguments,
                      input, {});
}

Table parseCsv(const QByteArray& text, char delimiter) {
    lx::cli::CsvReader reader(delimiter);
    lx::cli::RecordBatch batch;
    reader.feed(text.toStdString(), batch);
    reader.finish(batch);
    Table table;
    for (std::size_t record = 0; record < batch.size(); ++record) {
        std::vector<std::string> fields;
        for (std::size_t k = 0; k < batch.fieldCount(record); ++k) {
            fields.emplace_back(batch.field(record, k));
        }
        table.push_back(std::move(fields));
    }
    return table;
}
