// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class QMimeData;

namespace lx {

// The local files a drop or a paste carries (a file manager's), none for text.
QStringList localFiles(const QMimeData& data);

// A text box that takes pasted or dropped text as usual, but hands on the files of a drop or
// of a paste from a file manager instead of inserting their addresses.
class TextDropEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

signals:
    void filesGiven(const QStringList& paths);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace lx
