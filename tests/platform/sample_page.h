// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/runtime_error.h"
#include "platform/property_by_name.h"
#include "platform/property_page.h"

#include <QLineEdit>

namespace lx::test {

// A page editing Caption of the first selected control; it refuses the text
// "refuse" the way a page refuses bad input.
class SamplePage : public PropertyPage {
    Q_OBJECT

public:
    explicit SamplePage(QWidget* parent = nullptr)
        : PropertyPage(QStringLiteral("Sample"), 5925, 3495, parent)
        , txtCaption(new QLineEdit(this)) {
        txtCaption->setObjectName(QStringLiteral("txtCaption"));
        markChangedOnEdit(txtCaption);
    }

    QLineEdit* txtCaption;

private:
    void SelectionChanged() override {
        if (const QObject* control = firstSelected()) {
            txtCaption->setText(readProperty(*control, "Caption").toString());
        }
    }
    void ApplyChanges() override {
        if (txtCaption->text() == QStringLiteral("refuse")) {
            throw RuntimeError(ErrorNumber::InvalidArgument, "Caption refused");
        }
        writeProperty(*firstSelected(), "Caption", txtCaption->text());
    }
};

} // namespace lx::test
