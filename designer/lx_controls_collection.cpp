// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_controls_collection.h"

#include "control_widget_plugin.h"

namespace lx::designer {

LxControlsCollection::LxControlsCollection(QObject* parent)
    : QObject(parent) {
    for (const ControlDescription& description : controlDescriptions()) {
        m_widgets.append(new ControlWidgetPlugin(description, this));
    }
}

} // namespace lx::designer
