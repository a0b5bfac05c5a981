// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "form_setup.h"

#include "control.h"
#include "form.h"
#include "property_bag.h"

namespace lx {

namespace {

thread_local int t_building = 0;

struct BuildingScope {
    BuildingScope() { ++t_building; }
    ~BuildingScope() { --t_building; }
    BuildingScope(const BuildingScope&) = delete;
    BuildingScope& operator=(const BuildingScope&) = delete;
};

// A control's own parts (a panel's caption) are no controls of the form.
bool partOfAnotherControl(const QWidget& widget, const QWidget& form) {
    for (QWidget* up = widget.parentWidget(); up && up != &form; up = up->parentWidget()) {
        if (qobject_cast<Control*>(up)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool buildingForm() {
    return t_building > 0;
}

void setupForm(QWidget& form, const std::function<void()>& build) {
    {
        const BuildingScope scope;
        build();
    }
    auto* lxForm = qobject_cast<Form*>(&form);
    for (Control* control : form.findChildren<Control*>()) {
        if (control->UserMode()) {
            continue;
        }
        if (partOfAnotherControl(*control, form)) {
            control->setUserMode(true);
            continue;
        }
        if (lxForm) {
            lxForm->addControl(control);
        }
        PropertyBag stored;
        control->WriteProperties(stored);
        control->setUserMode(true);
        control->ReadProperties(stored);
    }
}

} // namespace lx
