// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include <QString>

class QWidget;

namespace lx {

// A modal message with one OK button. Logic talks to this interface, so tests
// can record what would have been shown.
class LX_EXPORT MessageBox {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };

    virtual ~MessageBox() = default;
    virtual void show(const QString& text, const QString& title, Icon icon) = 0;

    // The title of every message about something that went wrong: "Error!", translated.
    static QString errorTitle();
};

// The real thing: a QMessageBox over the given window.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr);
    void show(const QString& text, const QString& title, Icon icon) override;

private:
    QWidget* m_parent;
};

} // namespace lx
