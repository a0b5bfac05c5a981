// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

namespace lx {

// A property value as a page loaded it into a list or check box. Until the
// user changes that editor, applying writes the loaded value back, so a value
// the editor cannot show survives an apply unchanged.
struct LoadedChoice {
    short value = 0;
    bool changedByUser = false;

    short applied(short edited) const { return changedByUser ? edited : value; }
};

} // namespace lx
