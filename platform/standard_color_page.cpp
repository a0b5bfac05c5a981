// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "standard_color_page.h"

#include "ole_color.h"

#include <QColorDialog>
#include <QMetaProperty>

namespace lx {

StandardColorPage::StandardColorPage(QWidget* parent)
    : StandardPage(tr("Color"), parent)
    , colorPicker(new QColorDialog(this)) {
    colorPicker->setObjectName(QStringLiteral("colorPicker"));
    colorPicker->setWindowFlags(Qt::Widget);
    colorPicker->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
    colorPicker->setSizeGripEnabled(false);
    connect(colorPicker, &QColorDialog::currentColorChanged, this, [this](const QColor& colour) {
        picked(QVariant::fromValue(ole_color::fromRgb(colour)));
    });
    setPicker(colorPicker);
}

bool StandardColorPage::isEdited(const QMetaProperty& property) const {
    return property.metaType() == QMetaType::fromType<OleColor>() &&
           QLatin1StringView(property.name()).endsWith(QLatin1StringView("Color"));
}

void StandardColorPage::showValue(const QVariant& value) {
    const QObject* control = firstSelected();
    const QPalette palette = control && control->isWidgetType()
                                 ? static_cast<const QWidget*>(control)->palette()
                                 : this->palette();
    colorPicker->setCurrentColor(
        value.isValid() ? ole_color::resolve(value.value<OleColor>(), palette) : QColor(Qt::white));
}

} // namespace lx
