// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "ole_color.h"

namespace lx::ole_color {

namespace {

// System colour indexes and the palette role that plays each part here.
QColor systemColour(unsigned index, const QPalette& palette) {
    switch (index) {
    case 0:  // scroll bar
    case 15: // button face
        return palette.color(QPalette::Button);
    case 1:  // desktop
    case 12: // application workspace
        return palette.color(QPalette::Dark);
    case 2:  // active caption
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 3:  // inactive caption
    case 16: // button shadow
        return palette.color(QPalette::Mid);
    case 4: // menu
        return palette.color(QPalette::Window);
    case 5: // window background
        return palette.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3D dark shadow
        return palette.color(QPalette::Shadow);
    case 7: // menu text
    case 9: // caption text
        return palette.color(QPalette::WindowText);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 14: // highlight text
        return palette.color(QPalette::HighlightedText);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 20: // 3D highlight
        return palette.color(QPalette::Light);
    case 22: // 3D light
        return palette.color(QPalette::Midlight);
    case 23: // tool tip text
        return palette.color(QPalette::ToolTipText);
    case 24: // tool tip background
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::WindowText);
    }
}

} // namespace

QColor resolve(OleColor colour, const QPalette& palette) {
    if (isSystem(colour)) {
        return systemColour(colour & 0xFFu, palette);
    }
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

OleColor fromRgb(const QColor& rgb) {
    return static_cast<OleColor>(rgb.red()) | (static_cast<OleColor>(rgb.green()) << 8) |
           (static_cast<OleColor>(rgb.blue()) << 16);
}

} // namespace lx::ole_color
