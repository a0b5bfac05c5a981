// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_run.h"

#include "cli/csv_records.h"

#include <QProcess>

namespace {

BatchRun runProgram(const QString& program, const QStringList& arguments, const QByteArray& input,
                    const QString& language) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), language == QLatin1String("de")
                                                   ? QStringLiteral("de_DE.UTF-8")
                                                   : QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    BatchRun run;
    if (!process.waitForStarted()) {
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(60000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.exitCode = process.exitCode();
    run.crashed = !finished || process.exitStatus() != QProcess::NormalExit;
    return run;
}

} // namespace

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
