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

// The panel's design-time page "Panel": Panel, Caption, Alignment, Docking
// and BorderStyle of the first selected panel. Values the lists and the check
// box cannot show appear as no selection or unchecked and are kept on apply
// unless the user changes them.
class PanelPage : public PropertyPage {
    Q_OBJECT

public:
    explicit PanelPage(QWidget* parent = nullptr);

private:
    void SelectionChanged() override;
    void ApplyChanges() override;

    QCheckBox* chkBorder;
    QComboBox* cboDocking;
    QComboBox* cboAlignment;
    QLineEdit* txtCaption;
    QCheckBox* chkPanel;
    QLabel* lblAlignment_1;
    QLabel* lblAlignment_0;
    QLabel* lblCaption;

    LoadedChoice m_alignment;
    LoadedChoice m_docking;
    LoadedChoice m_borderStyle;
};

} // namespace lx
