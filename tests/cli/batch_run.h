#pragma once

#include <QByteArray>
#include <QStringList>

#include <string>
#include <vector>

// A run of the real lxtervan-batch: its arguments and standard input, what it wrote and how it
// ended.
struct BatchRun {
    QByteArray out;
    QByteArray err;
    int exitCode = -1;
    bool crashed = true;
};

BatchRun runBatchTool(const QStringList& arguments, const QByteArray& input);

using Table = std::vector<std::vector<std::string>>;

// The records of CSV text.
Table parseCsv(const QByteArray& text, char delimiter = ',');
