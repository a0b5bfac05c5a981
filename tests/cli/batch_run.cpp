#include "batch_run.h"

#include "cli/csv_records.h"

#include <QProcess>

BatchRun runBatchTool(const QStringList& arguments, const QByteArray& input) {
    QProcess process;
    process.start(QStringLiteral(LXTERVAN_BATCH), arguments);
    BatchRun run;
    if (!process.waitForStarted()) {
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    run.exitCode = process.exitCode();
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    return run;
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
