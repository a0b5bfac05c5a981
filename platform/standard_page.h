// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "property_page.h"

#include <QMap>
#include <QVariant>

class QComboBox;
class QMetaProperty;
class QVBoxLayout;

namespace lx {

// Common ground of the standard pages: a list of the selection's properties
// of one kind and a picker for the chosen one. Picked values are kept per
// property until applied, to every selected control that has the property.
class StandardPage : public PropertyPage {
    Q_OBJECT

public:
    explicit StandardPage(const QString& caption, QWidget* parent = nullptr);

protected:
    // Adds the picker under the property list.
    void setPicker(QWidget* picker);
    // The user picked a value for the chosen property.
    void picked(const QVariant& value);

    virtual bool isEdited(const QMetaProperty& property) const = 0;
    // Shows a value in the picker without it counting as the user's pick.
    virtual void showValue(const QVariant& value) = 0;

private:
    void SelectionChanged() override;
    void ApplyChanges() override;
    void showChosen();

    QComboBox* cboProperties;
    QVBoxLayout* m_layout;
    QMap<QString, QVariant> m_values;
    QMap<QString, QVariant> m_picked;
    bool m_showing = false;
};

} // namespace lx
