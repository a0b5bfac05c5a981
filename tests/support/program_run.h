// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace lx::test {

// A run of one of the real programs: what it wrote and how it ended.
struct ProgramRun {
    QByteArray out;
    QByteArray err;
    int exitCode = -1;
    bool crashed = true;
};

// Runs program with arguments and input on its standard input, in German when language is
// "de", else in English, whatever the locale of the test itself.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const QByteArray& input, const QString& language = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), language == QLatin1String("de")
                                                   ? QStringLiteral("de_DE.UTF-8")
                                                   : QStringLiteral("C.UTF-8"));
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
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

} // namespace lx::test
