// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/core/lx_export.h"

#include <QPointer>

namespace lx {

class Form;

// Dropped on a form, keeps the form's window above all others (OnTop) and
// can take the Close entry out of its system menu (FormCloseButton False).
// Applied at every activation of the form and at every assignment while the
// program runs. Invisible while the program runs; a fixed glyph in a designer.
class LX_EXPORT LxOnTop : public Control {
    Q_OBJECT
    Q_PROPERTY(bool OnTop READ OnTop WRITE setOnTop)
    Q_PROPERTY(bool FormCloseButton READ FormCloseButton WRITE setFormCloseButton)
    Q_CLASSINFO("FormCloseButton.Description", "Disable/Enable form close button (x)")

public:
    explicit LxOnTop(QWidget* parent = nullptr);

    bool OnTop() const { return m_OnTop; }
    void setOnTop(bool New_OnTop);
    bool FormCloseButton() const { return m_FormCloseButton; }
    void setFormCloseButton(bool New_FormCloseButton);

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void bindParentForm();
    void parentActivate();
    void ApplyToParent();

    // A loaded instance starts False: a property its bag cannot give stays so.
    bool m_OnTop = false;
    bool m_FormCloseButton = false;

    QPointer<Form> m_parentForm;
};

} // namespace lx
