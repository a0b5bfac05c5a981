// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "controls/panel/panel_line.h"
#include "platform/control.h"
#include "platform/core/lx_export.h"
#include "platform/ole_color.h"

#include <QFont>
#include <QPointer>
#include <QString>

namespace lx {

class CaptionLabel;
class Form;

// A flat strip or box drawn with thin etched lines, with an optional
// caption: a menu-bar placeholder (Panel false) or a 3D panel (Panel true).
// At run time it can keep itself at one of nine places of its form.
class LX_EXPORT LxPanel : public Control {
    Q_OBJECT
    Q_CLASSINFO("PropertyPages", "StandardColor StandardFont Panel")
    Q_CLASSINFO("BrowsingPage.Panel", "Panel Caption Alignment")
    // The 16-bit properties are int to Qt (Designer saves no short); their
    // setters throw Overflow outside -32768..32767.
    Q_PROPERTY(lx::OleColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(lx::OleColor HighlightColor READ HighlightColor WRITE setHighlightColor)
    Q_PROPERTY(lx::OleColor BackColor READ BackColor WRITE setBackColor)
    // If true, control looks like 3D panel, else - as menu placeholder.
    Q_PROPERTY(bool Panel READ Panel WRITE setPanel)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(lx::OleColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int Docking READ Docking WRITE setDocking)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int ID READ ID WRITE setID)

public:
    explicit LxPanel(QWidget* parent = nullptr);

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    OleColor ShadowColor() const { return m_ShadowColor; }
    void setShadowColor(OleColor New_ShadowColor);
    OleColor HighlightColor() const { return m_HighlightColor; }
    void setHighlightColor(OleColor New_HighlightColor);
    OleColor BackColor() const { return m_BackColor; }
    void setBackColor(OleColor New_BackColor);
    bool Panel() const { return m_Panel; }
    void setPanel(bool New_Panel);
    QString Caption() const;
    void setCaption(const QString& New_Caption);
    short Alignment() const { return m_Alignment; }
    void setAlignment(int New_Alignment);
    QFont Font() const;
    void setFont(const QFont& New_Font);
    OleColor ForeColor() const;
    void setForeColor(OleColor New_ForeColor);
    short Docking() const { return m_Docking; }
    void setDocking(int New_Docking);
    short BorderStyle() const { return m_BorderStyle; }
    void setBorderStyle(int New_BorderStyle);
    int ID() const { return m_ID; }
    void setID(int New_ID);

    // The lines as the last layout pass and visibility change left them.
    const PanelLines& lines() const { return m_lines; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LayoutPanel();
    void DockToParent();
    void startUp();
    void drawFreshID();
    void applyLineVisibility();
    void placeCaption();

    CaptionLabel* lblCaption;
    PanelLines m_lines;

    OleColor m_ShadowColor = ole_color::ButtonShadow;
    OleColor m_HighlightColor = ole_color::Highlight3D;
    OleColor m_BackColor = ole_color::ButtonFace;
    bool m_Panel = false;
    short m_Alignment = 0;
    short m_Docking = 0;
    short m_BorderStyle = 1;
    int m_ID = 0;

    // Bound at the first run-time show; the form whose Resize re-docks us.
    QPointer<Form> ParentForm;
    // Ourselves as found among the form's controls by ID; what docking moves.
    QPointer<Control> m_Site;
    bool m_Shown = false;
    bool m_LayoutPending = false;
};

} // namespace lx
