// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_process.h"

#include "platform/error_guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lx {

namespace {

// The first line the program wrote on stderr, before its summary: the file and what is wrong
// with it, without the program's name.
QString complaintOf(const QByteArray& errors) {
    QString line = QString::fromLocal8Bit(errors.trimmed().split('\n').value(0).trimmed());
    const QString name = QStringLiteral("lxtervan-check: ");
    if (line.startsWith(name)) {
        line.remove(0, name.size());
    }
    return line;
}

} // namespace

CheckProcess::CheckProcess(QObject* parent)
    : QObject(parent)
    , m_program(
          QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("lxtervan-check"))) {
}

CheckProcess::~CheckProcess() {
    cancel();
}

bool CheckProcess::isRunning() const {
    return m_process != nullptr;
}

void CheckProcess::cancel() {
    if (!m_process) {
        return;
    }
    QProcess* process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    process->kill();
    process->waitForFinished(1000);
    process->deleteLater();
}

void CheckProcess::start(const QString& file, double alpha) {
    cancel();
    m_file = file;
    if (!QFileInfo(m_program).isExecutable()) {
        emit failed(tr("The program that reads PDF and DOCX files, %1, is missing: it belongs "
                       "beside the calculator.")
                        .arg(QDir::toNativeSeparators(m_program)));
        return;
    }
    m_process = new QProcess(this);
    connect(m_process, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) {
                guarded([&] { processFinished(exitCode, status); });
            });
    connect(m_process, &QProcess::errorOccurred, this,
            [this](QProcess::ProcessError error) { guarded([&] { processError(error); }); });
    m_process->start(m_program, {QStringLiteral("--format"), QStringLiteral("jsonl"),
                                 QStringLiteral("--alpha"), QString::number(alpha, 'g', 17),
                                 QStringLiteral("--"), file});
}

void CheckProcess::processError(QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart || !m_process) {
        return; // a crash comes with finished() too
    }
    const QString reason = m_process->errorString();
    m_process->deleteLater();
    m_process = nullptr;
    emit failed(tr("%1 cannot be started: %2").arg(QDir::toNativeSeparators(m_program), reason));
}

void CheckProcess::processFinished(int exitCode, QProcess::ExitStatus status) {
    if (!m_process) {
        return;
    }
    QProcess* process = m_process;
    m_process = nullptr;
    process->deleteLater();
    const QByteArray output = process->readAllStandardOutput();
    const QByteArray errors = process->readAllStandardError();
    if (status == QProcess::CrashExit) {
        emit failed(tr("Reading %1 failed: %2 stopped unexpectedly.")
                        .arg(QFileInfo(m_file).fileName(), QFileInfo(m_program).fileName()));
        return;
    }
    std::vector<CheckedLine> lines;
    for (const QByteArray& json : output.split('\n')) {
        if (json.trimmed().isEmpty()) {
            continue;
        }
        const auto line = checkedLineOfJson(json);
        if (!line) {
            emit failed(tr("Reading %1 failed: %2 wrote what is not a result.")
                            .arg(QFileInfo(m_file).fileName(), QFileInfo(m_program).fileName()));
            return;
        }
        lines.push_back(*line);
    }
    // Exit status 2: the file could not be read; its message names why.
    if (exitCode != 0 && lines.empty()) {
        const QString complaint = complaintOf(errors);
        emit failed(complaint.isEmpty() ? tr("Reading %1 failed (exit status %2).")
                                              .arg(QFileInfo(m_file).fileName())
                                              .arg(exitCode)
                                        : complaint);
        return;
    }
    emit finished(lines);
}

} // namespace lx
