// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/core/lx_export.h"

#include <QPointer>
#include <memory>

namespace lx {

class Form;
class SettingsStore;

// Dropped on a form, remembers the form's window state, size and position
// between runs (per user, one settings section per form), keeps the form
// above a minimum outer size and can centre it when it loads. Invisible
// while the program runs; a small fixed glyph in a designer.
class LX_EXPORT LxFormPos : public Control {
    Q_OBJECT
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(bool CenterForm READ CenterForm WRITE setCenterForm)
    Q_PROPERTY(bool RememberFormPosition READ RememberFormPosition WRITE setRememberFormPosition)

public:
    explicit LxFormPos(QWidget* parent = nullptr);
    ~LxFormPos() override;

    int MinHeight() const { return m_MinHeight; }
    void setMinHeight(int New_MinHeight);
    int MinWidth() const { return m_MinWidth; }
    void setMinWidth(int New_MinWidth);
    bool CenterForm() const { return m_CenterForm; }
    void setCenterForm(bool New_CenterForm);
    bool RememberFormPosition() const { return m_RememberFormPosition; }
    void setRememberFormPosition(bool New_RememberFormPosition);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    // Where the window memory is kept: the user's own store unless the host
    // hands over another one (not owned; it must outlive this control).
    void setSettingsStore(SettingsStore& store) { m_store = &store; }

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void bindParentForm();
    void parentLoad();
    void keepParentOnScreen();
    void parentResize();
    void parentUnload();
    SettingsStore& store();

    int m_MinHeight = 0;
    int m_MinWidth = 0;
    bool m_CenterForm = false;
    bool m_RememberFormPosition = false;

    QPointer<Form> m_parentForm;
    SettingsStore* m_store = nullptr;
    std::unique_ptr<SettingsStore> m_userStore;
};

} // namespace lx
