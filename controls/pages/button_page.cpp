// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "button_page.h"

#include "controls/pages/page_editors.h"
#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "platform/property_by_name.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <optional>

namespace lx {

namespace {

constexpr float ClientWidth = 5925.0f;
constexpr float ClientHeight = 3495.0f;
// Codes from here on are custom pointers, all shown as the last entry.
constexpr short CustomPointer = 99;

struct MouseEntry {
    const char* text;
    int code;
};

const MouseEntry MouseEntries[] = {
    {"0 - Default", 0},
    {"1 - Arrow", 1},
    {"2 - Cross", 2},
    {"3 - I-Beam", 3},
    {"4 - Icon", 4},
    {"5 - Size", 5},
    {"6 - Size NE SW", 6},
    {"7 - Size N S", 7},
    {"8 - Size NW SE", 8},
    {"9 - Size W W", 9},
    {"10 - Up Arrow", 10},
    {"11 - Hourglass", 11},
    {"12 - No Drop", 12},
    {"13 - Arrow and Hourglass", 13},
    {"14 - Arrow and Question", 14},
    {"15 - Size All", 15},
    {"99 - Custom", CustomPointer},
};

// The text as a 16-bit whole number, or nothing when it is not one.
std::optional<short> wholeNumber16(const QString& text) {
    double value = 0;
    if (!suppressErrors([&] { value = number_text::toDouble(text); })) {
        return std::nullopt;
    }
    if (std::trunc(value) != value || value < -32768.0 || value > 32767.0) {
        return std::nullopt;
    }
    return static_cast<short>(value);
}

short requireWholeNumber16(const QLineEdit* editor, const QString& property) {
    const std::optional<short> value = wholeNumber16(editor->text());
    if (!value) {
        const QString message = QObject::tr("%1 must be a whole number from -32768 to 32767. "
                                            "Nothing was applied.")
                                    .arg(property);
        throw RuntimeError(ErrorNumber::InvalidArgument, message.toStdString());
    }
    return *value;
}

} // namespace

ButtonPage::ButtonPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Button"), ClientWidth, ClientHeight, parent)
    , chkValue(page_editors::checkBox(this, "chkValue", tr("Value"), {3000, 770, 2700, 285}))
    , chkSwitch(page_editors::checkBox(this, "chkSwitch", tr("Switch"), {3000, 120, 2700, 285}))
    , txtToolTopText(page_editors::textBox(this, "txtToolTopText", {90, 2970, 2700, 330}))
    , cboMouse(page_editors::dropDownList(this, "cboMouse", {90, 405, 2700, 315}))
    , txtAlignment(page_editors::textBox(this, "txtAlignment", {90, 2320, 2700, 330}))
    , txtDelta(page_editors::textBox(this, "txtDelta", {90, 1670, 2700, 330}))
    , txtCaption(page_editors::textBox(this, "txtCaption", {90, 1020, 2700, 330}))
    , lblMousePointer_1(page_editors::label(this, "lblMousePointer_1", tr("Tool tip text:"),
                                            {90, 2720, 2700, 240}))
    , lblAlignment(
          page_editors::label(this, "lblAlignment", tr("Alignment:"), {90, 2070, 2700, 240}))
    , lblDelta(page_editors::label(this, "lblDelta", tr("Delta:"), {90, 1420, 2700, 240}))
    , lblCaption(page_editors::label(this, "lblCaption", tr("Caption:"), {90, 770, 2700, 240}))
    , lblMousePointer_0(page_editors::label(this, "lblMousePointer_0", tr("MousePointer:"),
                                            {90, 135, 2700, 240})) {
    lblMousePointer_0->setProperty("Index", 0);
    lblMousePointer_1->setProperty("Index", 1);
    for (const MouseEntry& entry : MouseEntries) {
        cboMouse->addItem(QString::fromLatin1(entry.text), entry.code);
    }
    lblMousePointer_0->setBuddy(cboMouse);
    lblCaption->setBuddy(txtCaption);
    lblDelta->setBuddy(txtDelta);
    lblAlignment->setBuddy(txtAlignment);
    lblMousePointer_1->setBuddy(txtToolTopText);
    page_editors::setTabOrder(
        {txtCaption, txtDelta, txtAlignment, cboMouse, txtToolTopText, chkSwitch, chkValue});

    markChangedOnEdit(chkValue);
    markChangedOnEdit(chkSwitch);
    markChangedOnEdit(txtToolTopText);
    markChangedOnEdit(cboMouse);
    connect(cboMouse, &QComboBox::activated, this, [this] { m_mousePointer.changedByUser = true; });
    markChangedOnEdit(txtAlignment);
    markChangedOnEdit(txtDelta);
    markChangedOnEdit(txtCaption);
}

void ButtonPage::SelectionChanged() {
    const QObject* button = firstSelected();
    if (!button) {
        return;
    }
    chkValue->setChecked(readProperty(*button, "Value").toInt() & 1);
    chkSwitch->setChecked(readProperty(*button, "Switch").toInt() & 1);
    txtAlignment->setText(number_text::fromLong(readProperty(*button, "Alignment").toInt()));
    txtDelta->setText(number_text::fromLong(readProperty(*button, "DELTA").toInt()));
    txtCaption->setText(readProperty(*button, "Caption").toString());
    txtToolTopText->setText(readProperty(*button, "ToolTipText").toString());
    SelectMousePointer(static_cast<short>(readProperty(*button, "MousePointer").toInt()));
}

void ButtonPage::ApplyChanges() {
    // Both texts are checked first so a bad one stops the apply before any
    // property has changed.
    const short alignment = requireWholeNumber16(txtAlignment, QStringLiteral("Alignment"));
    const short delta = requireWholeNumber16(txtDelta, QStringLiteral("Delta"));

    QObject& button = *firstSelected();
    writeProperty(button, "Value", chkValue->isChecked());
    writeProperty(button, "Switch", chkSwitch->isChecked());
    writeProperty(button, "Alignment", alignment);
    writeProperty(button, "DELTA", delta);
    writeProperty(button, "Caption", txtCaption->text());
    writeProperty(button, "MousePointer", appliedMousePointer());
    writeProperty(button, "ToolTipText", txtToolTopText->text());
}

void ButtonPage::SelectMousePointer(short code) {
    // Codes 16 to 98 (and negative ones) have no entry: no selection.
    int index = -1;
    if (code >= CustomPointer) {
        index = cboMouse->count() - 1;
    } else if (code >= 0 && code < cboMouse->count() - 1) {
        index = code;
    }
    cboMouse->setCurrentIndex(index);
    m_mousePointer = {code};
}

short ButtonPage::appliedMousePointer() const {
    return m_mousePointer.applied(static_cast<short>(cboMouse->currentData().toInt()));
}

} // namespace lx
