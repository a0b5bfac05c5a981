// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "button_layout.h"

namespace lx {

ButtonLayout layOutButton(const ButtonLayoutInput& in) {
    const float sl = in.scaleLeft;
    const float st = in.scaleTop;
    const float sw = in.scaleWidth;
    const float sh = in.scaleHeight;
    const float tw = in.textWidth;
    const float th = in.textHeight;
    const float d = in.delta;
    const float s = in.shift;

    ButtonLayout out;
    if (!in.pictureSize) {
        out.caption = {sl + (sw - tw - sl) / 2 + s, st + (sh - th - st) / 2 + s};
        return out;
    }
    const float pw = in.pictureSize->x;
    const float ph = in.pictureSize->y;
    switch (in.alignment) {
    case 0:
        out.picture = ButtonPosition{sl + d + s, st + (sh - st - ph) / 2 + s};
        out.caption = {sl + pw + (sw - pw - tw - sl) / 2 + s, st + (sh - th - st) / 2 + s};
        break;
    case 1:
        out.picture = ButtonPosition{sl + sw - d - pw + s, st + (sh - st - ph) / 2 + s};
        out.caption = {sl + d + s, st + (sh - th - st) / 2 + s};
        break;
    default:
        // The pressed look moves this layout twice as far across as down.
        out.picture = ButtonPosition{sl + (sw - sl - pw) / 2 + 2 * s, st + d + s};
        out.caption = {sl + (sw - tw - sl) / 2 + 2 * s, st + d + ph + d + s};
        break;
    }
    return out;
}

} // namespace lx
