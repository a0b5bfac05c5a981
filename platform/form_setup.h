// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"

#include <functional>

class QWidget;

namespace lx {

// Builds a form from a designer's form file: build runs uic's setupUi or a
// QUiLoader. The controls it makes take their stored values as a designer
// sets them (design-time-only properties included); then each control of the
// form saves and reads its properties back in run mode, as the program's own
// form loader reads them, so the window helpers bind to an lx::Form and the
// panel finds its site among the form's controls.
LX_EXPORT void setupForm(QWidget& form, const std::function<void()>& build);

// True while setupForm builds a form on this thread: new controls start with
// UserMode False.
LX_EXPORT bool buildingForm();

} // namespace lx
