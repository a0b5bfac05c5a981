// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/ole_color.h"

#include <array>

namespace lx {

// A straight line the panel paints on its surface; end points in twips from
// the panel's top left corner.
struct PanelLine {
    float X1 = 0.0f;
    float Y1 = 0.0f;
    float X2 = 0.0f;
    float Y2 = 0.0f;
    OleColor BorderColor = ole_color::ButtonShadow;
    bool Visible = true;
};

// The panel's six lines: three horizontal ones for both looks, three
// vertical ones that close the sides of the 3D panel.
struct PanelLines {
    PanelLine linTop;
    PanelLine linMiddle;
    PanelLine linBottom;
    PanelLine linLeftBorder;
    PanelLine linMiddleBorder;
    PanelLine linRightBorder;

    std::array<const PanelLine*, 6> all() const {
        return {&linTop, &linMiddle, &linBottom, &linLeftBorder, &linMiddleBorder, &linRightBorder};
    }
};

} // namespace lx
