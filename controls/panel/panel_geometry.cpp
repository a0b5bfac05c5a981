// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "panel_geometry.h"

namespace lx::panel_geometry {

std::optional<Position> captionPosition(int alignment, float panelWidth, float panelHeight,
                                        float captionWidth, float captionHeight) {
    if (alignment < 0 || alignment > 8) {
        return std::nullopt;
    }
    const float margin = CaptionMargin;
    const float left[3] = {margin, (panelWidth - captionWidth) / 2.0f,
                           panelWidth - captionWidth - margin};
    const float top[3] = {margin, (panelHeight - captionHeight) / 2.0f,
                          panelHeight - captionHeight - margin};
    // Codes run left to right within a row, rows top to bottom.
    return Position{left[alignment % 3], top[alignment / 3]};
}

std::optional<Position> dockPosition(int docking, const Area& client, float panelWidth,
                                     float panelHeight) {
    if (docking < 1 || docking > 9) {
        return std::nullopt;
    }
    const float left[3] = {client.Left, client.Left + (client.Width - panelWidth) / 2.0f,
                           client.Width + client.Left - panelWidth};
    const float top[3] = {client.Top, client.Top + (client.Height - panelHeight) / 2.0f,
                          client.Height + client.Top - panelHeight};
    const int index = docking - 1;
    return Position{left[index % 3], top[index / 3]};
}

} // namespace lx::panel_geometry
