// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_panel.h"

#include "controls/panel/caption_label.h"
#include "controls/panel/panel_geometry.h"
#include "lx_panel_accessible.h"
#include "platform/bag_value.h"
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"
#include "platform/form.h"
#include "platform/twips.h"

#include <QPainter>
#include <QRandomGenerator>
#include <chrono>
#include <cmath>

namespace lx {

namespace {

const QString DefaultCaption = QStringLiteral("LxPanel");
constexpr float DesignWidth = 4800.0f;
constexpr float DesignHeight = 3600.0f;
// Offsets of the etched lines from the edges, in twips.
constexpr float LineOffset = 10.0f;
constexpr float RightBorderInset = 15.0f;
constexpr float MiddleBorderBottom = 25.0f;

// The caption's font on a newly placed panel.
QFont designFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

void setEnds(PanelLine& line, float x1, float y1, float x2, float y2) {
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
}

QPoint toPixels(float x, float y) {
    return QPoint(twips::toPixels(x), twips::toPixels(y));
}

} // namespace

LxPanel::LxPanel(QWidget* parent)
    : Control(parent)
    , lblCaption(new CaptionLabel(this)) {
    LxPanelAccessible::install();
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->QWidget::setFont(designFont());
    lblCaption->setText(DefaultCaption);
    lblCaption->Move(panel_geometry::CaptionMargin, panel_geometry::CaptionMargin);
    setWidth(DesignWidth);
    setHeight(DesignHeight);
}

void LxPanel::InitProperties() {
    m_ShadowColor = ole_color::ButtonShadow;
    m_HighlightColor = ole_color::Highlight3D;
    m_Panel = false;
    m_Alignment = 0;
    m_Docking = 0;
    m_BorderStyle = 1;
    m_ID = 0;
}

void LxPanel::ReadProperties(const PropertyBag& bag) {
    using namespace bag_value;
    m_LayoutPending = true;
    setShadowColor(
        toColor(bag.ReadProperty(QStringLiteral("ShadowColor"), ole_color::ButtonShadow)));
    setHighlightColor(
        toColor(bag.ReadProperty(QStringLiteral("HighlightColor"), ole_color::Highlight3D)));
    m_BackColor = toColor(bag.ReadProperty(QStringLiteral("BackColor"), ole_color::ButtonFace));
    update();
    setPanel(toBool(bag.ReadProperty(QStringLiteral("Panel"), false)));
    lblCaption->setText(toText(bag.ReadProperty(QStringLiteral("Caption"), DefaultCaption)));
    setAlignment(toInteger(bag.ReadProperty(QStringLiteral("Alignment"), 0)));
    setFont(toFont(bag.ReadProperty(QStringLiteral("Font"), AmbientFont())));
    lblCaption->setForeColor(
        toColor(bag.ReadProperty(QStringLiteral("ForeColor"), ole_color::ButtonText)));
    setDocking(toInteger(bag.ReadProperty(QStringLiteral("Docking"), 0)));
    setBorderStyle(toInteger(bag.ReadProperty(QStringLiteral("BorderStyle"), 1)));
    setID(toLong(bag.ReadProperty(QStringLiteral("ID"), 0)));
}

void LxPanel::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("ShadowColor"), m_ShadowColor, ole_color::ButtonShadow);
    bag.WriteProperty(QStringLiteral("HighlightColor"), m_HighlightColor, ole_color::Highlight3D);
    bag.WriteProperty(QStringLiteral("BackColor"), m_BackColor, ole_color::ButtonFace);
    bag.WriteProperty(QStringLiteral("Panel"), m_Panel, false);
    bag.WriteProperty(QStringLiteral("Caption"), Caption(), DefaultCaption);
    bag.WriteProperty(QStringLiteral("Alignment"), int{m_Alignment}, 0);
    bag.WriteProperty(QStringLiteral("Font"), Font(), AmbientFont());
    bag.WriteProperty(QStringLiteral("ForeColor"), ForeColor(), ole_color::ButtonText);
    bag.WriteProperty(QStringLiteral("Docking"), int{m_Docking}, 0);
    bag.WriteProperty(QStringLiteral("BorderStyle"), int{m_BorderStyle}, 1);
    bag.WriteProperty(QStringLiteral("ID"), m_ID, 0);
}

void LxPanel::setShadowColor(OleColor New_ShadowColor) {
    // The lines take it at the next layout pass.
    m_ShadowColor = New_ShadowColor;
    markChanged(QStringLiteral("ShadowColor"));
}

void LxPanel::setHighlightColor(OleColor New_HighlightColor) {
    m_HighlightColor = New_HighlightColor;
    markChanged(QStringLiteral("HighlightColor"));
}

void LxPanel::setBackColor(OleColor New_BackColor) {
    m_BackColor = New_BackColor;
    update();
    markChanged(QStringLiteral("BackColor"));
}

void LxPanel::setPanel(bool New_Panel) {
    m_Panel = New_Panel;
    applyLineVisibility();
    markChanged(QStringLiteral("Panel"));
}

QString LxPanel::Caption() const {
    return lblCaption->text();
}

void LxPanel::setCaption(const QString& New_Caption) {
    lblCaption->setText(New_Caption);
    LayoutPanel();
    markChanged(QStringLiteral("Caption"));
}

void LxPanel::setAlignment(int New_Alignment) {
    runSetter([&] {
        m_Alignment = integer16(New_Alignment);
        LayoutPanel();
        markChanged(QStringLiteral("Alignment"));
    });
}

QFont LxPanel::Font() const {
    return lblCaption->font();
}

void LxPanel::setFont(const QFont& New_Font) {
    lblCaption->QWidget::setFont(New_Font);
    LayoutPanel();
    markChanged(QStringLiteral("Font"));
}

OleColor LxPanel::ForeColor() const {
    return lblCaption->ForeColor();
}

void LxPanel::setForeColor(OleColor New_ForeColor) {
    lblCaption->setForeColor(New_ForeColor);
    markChanged(QStringLiteral("ForeColor"));
}

void LxPanel::setDocking(int New_Docking) {
    runSetter([&] {
        // Takes effect at the form's next resize.
        m_Docking = integer16(New_Docking);
        markChanged(QStringLiteral("Docking"));
    });
}

void LxPanel::setBorderStyle(int New_BorderStyle) {
    runSetter([&] {
        m_BorderStyle = integer16(New_BorderStyle);
        applyLineVisibility();
        markChanged(QStringLiteral("BorderStyle"));
    });
}

void LxPanel::setID(int New_ID) {
    m_ID = New_ID;
    markChanged(QStringLiteral("ID"));
}

void LxPanel::resizeEvent(QResizeEvent* event) {
    Control::resizeEvent(event);
    guarded([this] { LayoutPanel(); });
}

void LxPanel::paintEvent(QPaintEvent* /*event*/) {
    if (m_LayoutPending) {
        m_LayoutPending = false;
        guarded([this] { LayoutPanel(); }, error_guard::Report::Later);
    }
    QPainter painter(this);
    painter.fillRect(rect(), ole_color::resolve(m_BackColor, palette()));
    for (const PanelLine* line : m_lines.all()) {
        if (line->Visible) {
            painter.setPen(ole_color::resolve(line->BorderColor, palette()));
            painter.drawLine(toPixels(line->X1, line->Y1), toPixels(line->X2, line->Y2));
        }
    }
}

void LxPanel::showEvent(QShowEvent* event) {
    Control::showEvent(event);
    // A designer shows the panel where the developer put it, ID untouched.
    if (UserMode() && !m_Shown) {
        guarded([this] { startUp(); });
    }
}

void LxPanel::startUp() {
    ParentForm = qobject_cast<Form*>(parentWidget());
    if (ParentForm) {
        connect(ParentForm, &Form::Resize, this, &LxPanel::DockToParent);
    }
    drawFreshID();
    if (ParentForm) {
        for (QWidget* control : ParentForm->Controls()) {
            suppressErrors([&] {
                const QVariant id = control->property("ID");
                if (!id.isValid()) {
                    return;
                }
                // Only our own site may match: another control that happens
                // to carry the same number is never moved.
                if (bag_value::toLong(id) == m_ID && control == this) {
                    m_Site = this;
                    DockToParent();
                }
            });
        }
    }
    LayoutPanel();
    m_Shown = true;
}

void LxPanel::drawFreshID() {
    // Reseeded from the clock at every start-up; nanoseconds keep panels shown
    // in the same instant apart.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    QRandomGenerator generator(
        static_cast<quint32>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    // 24 random bits make a single-precision fraction in [0, 1) exactly, so
    // the product stays below 10^9.
    const float fraction = static_cast<float>(generator.generate() >> 8) / 16777216.0f;
    m_ID = static_cast<int>(std::nearbyint(fraction * 1.0e9f));
}

void LxPanel::DockToParent() {
    if (!ParentForm || !m_Site) {
        return;
    }
    const panel_geometry::Area client{ParentForm->ScaleLeft(), ParentForm->ScaleTop(),
                                      ParentForm->ScaleWidth(), ParentForm->ScaleHeight()};
    const auto place =
        panel_geometry::dockPosition(m_Docking, client, m_Site->Width(), m_Site->Height());
    if (place) {
        m_Site->Move(place->Left, place->Top);
    }
}

void LxPanel::LayoutPanel() {
    m_lines.linTop.BorderColor = m_ShadowColor;
    m_lines.linMiddle.BorderColor = m_HighlightColor;
    m_lines.linBottom.BorderColor = m_ShadowColor;
    m_lines.linLeftBorder.BorderColor = m_ShadowColor;
    m_lines.linMiddleBorder.BorderColor = m_HighlightColor;
    m_lines.linRightBorder.BorderColor = m_ShadowColor;

    applyLineVisibility();

    const float w = ScaleWidth();
    const float h = ScaleHeight();
    const PanelLine& top = m_lines.linTop;
    setEnds(m_lines.linTop, 0.0f, 0.0f, w, 0.0f);
    setEnds(m_lines.linMiddle, top.X1, top.Y1 + LineOffset, top.X2, top.Y2 + LineOffset);
    setEnds(m_lines.linBottom, top.X1, h - LineOffset, top.X2, h - LineOffset);
    setEnds(m_lines.linLeftBorder, 0.0f, LineOffset, 0.0f, h - LineOffset);
    setEnds(m_lines.linMiddleBorder, LineOffset, LineOffset, LineOffset, h - MiddleBorderBottom);
    setEnds(m_lines.linRightBorder, w - RightBorderInset, RightBorderInset, w - RightBorderInset,
            h - LineOffset);

    // A failure placing the caption must not undo the lines laid out above.
    suppressErrors([this] { placeCaption(); });
    update();
}

void LxPanel::placeCaption() {
    lblCaption->sizeIfPending();
    const auto place = panel_geometry::captionPosition(m_Alignment, ScaleWidth(), ScaleHeight(),
                                                       lblCaption->Width(), lblCaption->Height());
    if (place) {
        lblCaption->Move(place->Left, place->Top);
    }
}

void LxPanel::applyLineVisibility() {
    const bool shown = m_BorderStyle != 0;
    m_lines.linTop.Visible = shown;
    m_lines.linMiddle.Visible = shown;
    m_lines.linBottom.Visible = shown;
    m_lines.linLeftBorder.Visible = shown && m_Panel;
    m_lines.linMiddleBorder.Visible = shown && m_Panel;
    m_lines.linRightBorder.Visible = shown && m_Panel;
    update();
}

} // namespace lx
