// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stale_look.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace lx::stale_look {

namespace {

struct StaleText {
    Q_DECLARE_TR_FUNCTIONS(StaleText)
};

} // namespace

void apply(QWidget& widget, bool stale) {
    if (!stale) {
        // An empty palette resolves every role from the application's again.
        widget.setPalette(QPalette());
        widget.setAccessibleDescription(QString());
        return;
    }
    // A label writes in the window's text colour, a box or a table in the text colour.
    const QPalette::ColorRole role =
        qobject_cast<QLabel*>(&widget) ? QPalette::WindowText : QPalette::Text;
    const QPalette natural = QApplication::palette(&widget);
    QPalette grey;
    const QColor disabled = natural.color(QPalette::Disabled, role);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        grey.setColor(group, role, disabled);
    }
    widget.setPalette(grey);
    widget.setAccessibleDescription(description());
}

QString description() {
    return StaleText::tr("out of date");
}

} // namespace lx::stale_look
