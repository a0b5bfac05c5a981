// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check_options.h"

#include <QStringList>

#include <cstdio>

namespace lx::check {

// --merge: joins the tables of --output runs (each named by its FILE; FILE.done beside it) into
// the table one run over all their inputs writes: the header once, then each input's rows in
// the inputs' order. Parts of different formats or alphas, parts whose run did not finish,
// parts that do not match their record, an input in two parts, and the shares of a --shard
// split missing or given twice are named on err, and nothing is written (status 2).
ExitStatus mergeParts(const QStringList& parts, std::FILE* out, std::FILE* err);

} // namespace lx::check
