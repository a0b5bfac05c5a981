// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/message_box.h"

#include <QList>

namespace lx::test {

// Remembers every message instead of showing it.
class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
    };

    void show(const QString& text, const QString& title, Icon icon) override {
        messages.append({text, title, icon});
    }

    QList<Shown> messages;
};

} // namespace lx::test
