// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pane.h"

#include "stale_look.h"

namespace lx {

Pane::Pane(QWidget* parent)
    : QWidget(parent) {}

void Pane::setStale(bool stale) {
    m_stale = stale;
    for (QWidget* figure : m_figures) {
        stale_look::apply(*figure, stale);
    }
    staleChanged(stale);
}

} // namespace lx
