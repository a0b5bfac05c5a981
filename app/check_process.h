// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checked_line.h"

#include <QObject>
#include <QProcess>

#include <vector>

namespace lx {

// lxtervan-check run on one file for the window, which does not read PDF or DOCX itself: the
// program's JSON lines become the lines of the list. It runs beside the event loop; starting
// another file stops the one running.
class CheckProcess : public QObject {
    Q_OBJECT
public:
    explicit CheckProcess(QObject* parent = nullptr);
    ~CheckProcess() override;

    // Where the program is: beside the running calculator unless set.
    QString program() const { return m_program; }
    void setProgram(const QString& program) { m_program = program; }

    void start(const QString& file, double alpha);
    bool isRunning() const;
    // Stops the file being read, if any: nothing is signalled for it.
    void cancel();

signals:
    void finished(const std::vector<lx::CheckedLine>& lines);
    // Why the file gave no lines: the program is missing, failed, or names what is wrong.
    void failed(const QString& message);

private:
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processError(QProcess::ProcessError error);

    QString m_program;
    QString m_file;
    QProcess* m_process = nullptr;
};

} // namespace lx
