// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "standard_font_page.h"

#include <QFontDialog>
#include <QMetaProperty>

namespace lx {

StandardFontPage::StandardFontPage(QWidget* parent)
    : StandardPage(tr("Font"), parent)
    , fontPicker(new QFontDialog(this)) {
    fontPicker->setObjectName(QStringLiteral("fontPicker"));
    fontPicker->setWindowFlags(Qt::Widget);
    fontPicker->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fontPicker->setSizeGripEnabled(false);
    connect(fontPicker, &QFontDialog::currentFontChanged, this,
            [this](const QFont& font) { picked(font); });
    setPicker(fontPicker);
}

bool StandardFontPage::isEdited(const QMetaProperty& property) const {
    return property.metaType() == QMetaType::fromType<QFont>() && property.isWritable();
}

void StandardFontPage::showValue(const QVariant& value) {
    fontPicker->setCurrentFont(value.isValid() ? value.value<QFont>() : font());
}

} // namespace lx
