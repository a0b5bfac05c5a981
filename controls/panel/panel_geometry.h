// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <optional>

// Where the panel puts its caption and where it docks on its form. All in
// twips and single precision: a half twip is passed on, nothing is clamped.
namespace lx::panel_geometry {

struct Position {
    float Left;
    float Top;
};

struct Area {
    float Left;
    float Top;
    float Width;
    float Height;
};

// Room kept between the caption and the panel's edges.
inline constexpr short CaptionMargin = 30;

// The caption's top left for alignment codes 0..8 inside a panel of
// panelWidth x panelHeight; no position for any other code.
std::optional<Position> captionPosition(int alignment, float panelWidth, float panelHeight,
                                        float captionWidth, float captionHeight);

// The panel's top left for docking codes 1..9 inside the form's client
// area; no position for any other code.
std::optional<Position> dockPosition(int docking, const Area& client, float panelWidth,
                                     float panelHeight);

} // namespace lx::panel_geometry
