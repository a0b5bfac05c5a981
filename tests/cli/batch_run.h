// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/program_run.h"

#include <QByteArray>
#include <QStringList>

#include <string>
#include <vector>

// A run of the real lxtervan-batch: what it wrote and how it ended.
using BatchRun = lx::test::ProgramRun;

// language: "de" runs the tool in German, else in English.
BatchRun runBatchTool(const QStringList& arguments, const QByteArray& input,
                      const QString& language = {});

// The same through bash: script runs with the tool as $0 and arguments as $@.
BatchRun runBatchScript(const QString& script, const QStringList& arguments,
                        const QByteArray& input);

using Table = std::vector<std::vector<std::string>>;

// The records of CSV text.
Table parseCsv(const QByteArray& text, char delimiter = ',');
