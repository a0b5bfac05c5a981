// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "standard_page.h"

class QColorDialog;

namespace lx {

// The standard colour page: the selection's colour properties (OLE colours
// named ...Color) with a colour picker. A picked colour is a direct colour.
class StandardColorPage : public StandardPage {
    Q_OBJECT

public:
    explicit StandardColorPage(QWidget* parent = nullptr);

private:
    bool isEdited(const QMetaProperty& property) const override;
    void showValue(const QVariant& value) override;

    QColorDialog* colorPicker;
};

} // namespace lx
