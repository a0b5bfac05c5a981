// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lx::check {

// One input to read: a file, or standard input ("-").
struct Source {
    QString name; // as the output names it
    bool standardInput = false;
    QString problem; // set when the input cannot be read at all (a missing file)
};

// The inputs named, in order, a folder replaced by the files under it that a text check reads
// (by name: .txt, .text, .md, .html, .htm, .xhtml, .pdf, .docx), sorted by path. A file named
// outright is read whatever it is called.
std::vector<Source> expandInputs(const QStringList& inputs);

// The inputs a list names, one a line; blank lines are skipped, a CR before the line end is
// dropped.
QStringList inputsOfList(const QByteArray& list);

} // namespace lx::check
