// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include "property_bag.h"
#include "twip_placement.h"

#include <QFont>
#include <QRectF>
#include <QWidget>
#include <functional>

namespace lx {

class Form;

// Base of the custom controls. Gives them the lifecycle a form designer and
// a form loader drive (initialise, read and write properties), the ambient
// values of their host, the "property changed" notification, and their
// position in the container in twips, kept exactly (half twips included)
// while the widget itself sits on whole pixels (Left, Top, Width, Height, Move).
class LX_EXPORT Control : public QWidget, public TwipPlacement<Control> {
    Q_OBJECT
    // A designer edits the widget's geometry; these are for code and pages.
    Q_PROPERTY(float Left READ Left WRITE setLeft DESIGNABLE false)
    Q_PROPERTY(float Top READ Top WRITE setTop DESIGNABLE false)
    Q_PROPERTY(float Width READ Width WRITE setWidth DESIGNABLE false)
    Q_PROPERTY(float Height READ Height WRITE setHeight DESIGNABLE false)

public:
    explicit Control(QWidget* parent = nullptr);

    // A newly placed instance: set the properties to their new-instance values.
    virtual void InitProperties() {}
    // A loaded instance: restore the properties from the bag.
    virtual void ReadProperties(const PropertyBag& bag);
    // The designer saves: store every property with its default.
    virtual void WriteProperties(PropertyBag& bag) const;

    // Ambient UserMode: true in the running program, false in a designer.
    bool UserMode() const { return m_userMode; }
    void setUserMode(bool running) { m_userMode = running; }
    // For a host that calls the setters from code of its own, where nothing of
    // ours can catch (Qt Designer's property editor): a setter's error is then
    // shown to the user and the property keeps its value.
    void setReportsSetterErrors(bool report) { m_reportsSetterErrors = report; }
    // Ambient Font: the container's font.
    QFont AmbientFont() const;

    // The client area in twips (the control draws no frame of its own).
    float ScaleWidth() const { return Width(); }
    float ScaleHeight() const { return Height(); }

    // The form that hosts this control, or nullptr.
    Form* ParentForm() const;

signals:
    // A property changed and the designer should save the form; key is the
    // property's bag key.
    void PropertyChanged(const QString& key);

protected:
    void markChanged(const QString& key) { emit PropertyChanged(key); }
    // Throws the design-time-only error when the host is running.
    void requireDesignTime() const;
    // The value of a 16-bit property; throws Overflow outside -32768..32767.
    static short integer16(int value);
    // Runs a setter's work: throws its error, or reports it when the host
    // asked for that (setReportsSetterErrors).
    void runSetter(const std::function<void()>& work);

private:
    friend class TwipPlacement<Control>;
    QRectF twipPlacement() const;
    void setTwipPlacement(const QRectF& twips);

    bool m_userMode;
    bool m_reportsSetterErrors = false;
    QRectF m_twips; // exact twips of the last geometry set through this class
};

} // namespace lx
