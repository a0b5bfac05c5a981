// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form_file.h"

namespace lx {

class Form;

// Builds a form from its form file: the form's own settings, then every
// control in the stored order, each inside its container. Standard controls
// (text box, label, frame) take their layout and texts from the file; custom
// controls restore themselves through ReadProperties from their bag. The tab
// order follows the stored tab indexes.
void loadForm(Form& form, const FormNode& root);

} // namespace lx
