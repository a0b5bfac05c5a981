// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_measure.h"

namespace lx::cli {

QImage measuringDevice() {
    QImage measure(1, 1, QImage::Format_RGB32);
    measure.setDotsPerMeterX(3780); // 96 dpi
    measure.setDotsPerMeterY(3780);
    return measure;
}

} // namespace lx::cli
