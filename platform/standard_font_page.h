// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "standard_page.h"

class QFontDialog;

namespace lx {

// The standard font page: the selection's font properties with a font picker.
class StandardFontPage : public StandardPage {
    Q_OBJECT

public:
    explicit StandardFontPage(QWidget* parent = nullptr);

private:
    bool isEdited(const QMetaProperty& property) const override;
    void showValue(const QVariant& value) override;

    QFontDialog* fontPicker;
};

} // namespace lx
