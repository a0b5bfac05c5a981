// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <optional>

namespace lx {

// Where picture and caption of one look go, in the buffer's scale units.
struct ButtonPosition {
    float x = 0.0f;
    float y = 0.0f;
};

struct ButtonLayoutInput {
    float scaleLeft = 0.0f;
    float scaleTop = 0.0f;
    float scaleWidth = 0.0f;
    float scaleHeight = 0.0f;
    // No picture: the caption is centred both ways, whatever the alignment.
    std::optional<ButtonPosition> pictureSize; // x is the width, y the height
    float textWidth = 0.0f;
    float textHeight = 0.0f;
    float delta = 0.0f; // margin around the picture
    float shift = 0.0f; // pressed offset, 0 in the other looks
    int alignment = 0;  // 0 picture left, 1 picture right, else picture on top
};

struct ButtonLayout {
    std::optional<ButtonPosition> picture;
    ButtonPosition caption;
};

// Every sum is single precision, evaluated left to right, halves exact.
ButtonLayout layOutButton(const ButtonLayoutInput& in);

} // namespace lx
