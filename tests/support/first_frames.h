// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/button/lx_button.h"

#include <QImage>
#include <QStringList>

namespace lx::test {

// The shown buttons of a form whose frame is not what the button gives when it draws its flat
// look again now, on screen: for a button nobody has touched, its first frame must be that.
inline QStringList buttonsNotShowingTheirLook(const QWidget& form) {
    QStringList wrong;
    for (LxButton* button : form.findChildren<LxButton*>()) {
        const QImage shown = button->grab().toImage();
        button->DrawUnSelected();
        if (!button->isVisible() || button->grab().toImage() != shown) {
            wrong.append(button->objectName());
        }
    }
    return wrong;
}

} // namespace lx::test
