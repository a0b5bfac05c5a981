// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "controls/pages/loaded_choice.h"
#include "platform/property_page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace lx {

// The graphic button's design-time page "Button": Caption, DELTA, Alignment,
// MousePointer, ToolTipText, Switch and Value of the first selected button.
class ButtonPage : public PropertyPage {
    Q_OBJECT

public:
    explicit ButtonPage(QWidget* parent = nullptr);

private:
    void SelectionChanged() override;
    void ApplyChanges() override;
    void SelectMousePointer(short code);
    short appliedMousePointer() const;

    QCheckBox* chkValue;
    QCheckBox* chkSwitch;
    QLineEdit* txtToolTopText;
    QComboBox* cboMouse;
    QLineEdit* txtAlignment;
    QLineEdit* txtDelta;
    QLineEdit* txtCaption;
    QLabel* lblMousePointer_1;
    QLabel* lblAlignment;
    QLabel* lblDelta;
    QLabel* lblCaption;
    QLabel* lblMousePointer_0;

    // Codes above 99 show as "99 - Custom" and are kept unless changed.
    LoadedChoice m_mousePointer;
};

} // namespace lx
