// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "panel_page.h"

#include "controls/pages/page_editors.h"
#include "platform/property_by_name.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace lx {

namespace {

constexpr float ClientWidth = 6240.0f;
constexpr float ClientHeight = 3495.0f;

// The list index is the Docking code. "0 - None " keeps its trailing blank.
const char* const DockingEntries[] = {
    "0 - None ",         "1 - Left-Top",      "2 - Center-Top",   "3 - Right-Top",
    "4 - Left-Middle",   "5 - Center-Middle", "6 - Right-Middle", "7 - Left-Bottom",
    "8 - Center-Bottom", "9 - Right-Bottom",
};

// The list index is the caption's Alignment code.
const char* const AlignmentEntries[] = {
    "0 - Left-Top",    "1 - Center-Top",    "2 - Right-Top",
    "3 - Left-Middle", "4 - Center-Middle", "5 - Right-Middle",
    "6 - Left-Bottom", "7 - Center-Bottom", "8 - Right-Bottom",
};

// The list entry for a code, or no selection when the list has none.
LoadedChoice selectCode(QComboBox* list, short code) {
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
    return {code};
}

} // namespace

PanelPage::PanelPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Panel"), ClientWidth, ClientHeight, parent)
    , chkBorder(page_editors::checkBox(this, "chkBorder", tr("Border"), {3285, 135, 2700, 285}))
    , cboDocking(page_editors::dropDownList(this, "cboDocking", {45, 2925, 2715, 315}))
    , cboAlignment(page_editors::dropDownList(this, "cboAlignment", {90, 1935, 2715, 315}))
    , txtCaption(page_editors::textBox(this, "txtCaption", {90, 1020, 2700, 330}))
    , chkPanel(page_editors::checkBox(this, "chkPanel", tr("Panel"), {90, 120, 2700, 285}))
    , lblAlignment_1(
          page_editors::label(this, "lblAlignment_1", tr("Panel Docking:"), {45, 2655, 2700, 240}))
    , lblAlignment_0(page_editors::label(this, "lblAlignment_0", tr("Caption Alignment:"),
                                         {90, 1665, 2700, 240}))
    , lblCaption(page_editors::label(this, "lblCaption", tr("Caption:"), {90, 770, 2700, 240})) {
    lblAlignment_0->setProperty("Index", 0);
    lblAlignment_1->setProperty("Index", 1);
    for (const char* entry : DockingEntries) {
        cboDocking->addItem(QString::fromLatin1(entry), 0);
    }
    for (const char* entry : AlignmentEntries) {
        cboAlignment->addItem(QString::fromLatin1(entry), 0);
    }
    lblCaption->setBuddy(txtCaption);
    lblAlignment_0->setBuddy(cboAlignment);
    lblAlignment_1->setBuddy(cboDocking);
    page_editors::setTabOrder({chkPanel, txtCaption, cboAlignment, cboDocking, chkBorder});

    markChangedOnEdit(chkBorder);
    markChangedOnEdit(cboDocking);
    markChangedOnEdit(cboAlignment);
    markChangedOnEdit(txtCaption);
    markChangedOnEdit(chkPanel);
    connect(cboAlignment, &QComboBox::activated, this,
            [this] { m_alignment.changedByUser = true; });
    connect(cboDocking, &QComboBox::activated, this, [this] { m_docking.changedByUser = true; });
    connect(chkBorder, &QCheckBox::clicked, this, [this] {
        // A click leaves the greyed state for good: the user picks 0 or 1.
        chkBorder->setTristate(false);
        m_borderStyle.changedByUser = true;
    });
}

void PanelPage::SelectionChanged() {
    const QObject* panel = firstSelected();
    if (!panel) {
        return;
    }
    m_alignment =
        selectCode(cboAlignment, static_cast<short>(readProperty(*panel, "Alignment").toInt()));
    txtCaption->setText(readProperty(*panel, "Caption").toString());
    chkPanel->setChecked(readProperty(*panel, "Panel").toInt() & 1);
    m_docking = selectCode(cboDocking, static_cast<short>(readProperty(*panel, "Docking").toInt()));
    // 2 shows greyed; any other style than 0 and 1 shows unchecked. Both are
    // kept unless the user clicks the box.
    const auto borderStyle = static_cast<short>(readProperty(*panel, "BorderStyle").toInt());
    chkBorder->setTristate(false);
    if (borderStyle == 2) {
        chkBorder->setCheckState(Qt::PartiallyChecked);
    } else {
        chkBorder->setChecked(borderStyle == 1);
    }
    m_borderStyle = {borderStyle};
}

void PanelPage::ApplyChanges() {
    QObject& panel = *firstSelected();
    writeProperty(panel, "Alignment",
                  m_alignment.applied(static_cast<short>(cboAlignment->currentIndex())));
    writeProperty(panel, "Caption", txtCaption->text());
    writeProperty(panel, "Panel", chkPanel->isChecked());
    writeProperty(panel, "Docking",
                  m_docking.applied(static_cast<short>(cboDocking->currentIndex())));
    writeProperty(panel, "BorderStyle", m_borderStyle.applied(chkBorder->isChecked() ? 1 : 0));
}

} // namespace lx
