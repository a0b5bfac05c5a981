// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>
#include <vector>

// Where the calculator's panes go and how large the window grows for them: a pure function of
// the sizes the panes ask for and the screen's free area, so that the rules can be tested
// without a widget. The window itself stays fixed-size.
namespace lx::window_layout {

enum class Placement {
    Below, // under the calculator and the panes before it
    Beside // to the right of everything else; under it where the screen is too narrow
};

// What a shown pane asks of the window.
struct PaneSpace {
    Placement placement = Placement::Below;
    // A pane below that spans the window's width and gives up height where the screen is short
    // (its content scrolls); any other pane keeps the size it asks for.
    bool stretches = false;
    // Its size for the room it has: for a stretching pane the height it may take at most, for a
    // pane beside the screen's free area.
    std::function<QSize(const QSize& room)> sizeFor;
    int minimumHeight = 0; // of a pane beside, where it has to go under the rest
};

struct Input {
    QSize design;                       // the client area without any pane
    std::vector<PaneSpace> panes;       // the shown ones, in the host's order
    QRect available;                    // the screen's free area
    QSize frame;                        // the frame beyond the client area; empty before it shows
    std::optional<QPoint> frameTopLeft; // where the window is, once it shows
};

struct Result {
    QSize client;
    std::vector<QRect> panes;     // one for each pane of the input, in client coordinates
    std::optional<QPoint> moveTo; // the frame's top left where it must move to stay on screen
};

Result layOut(const Input& input);

// The window's outer rectangle moved, not resized, into the free area: where it is larger than
// that, its top left stays inside.
QRect keptOnScreen(QRect outer, const QRect& available);

} // namespace lx::window_layout
