// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace lx::cli {

// A device at the screen's 96 dpi, in which every picture file is painted and so its text is
// measured, whatever the file's own resolution.
QImage measuringDevice();

} // namespace lx::cli
