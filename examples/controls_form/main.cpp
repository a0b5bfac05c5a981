// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
// Shows the form drawn in Qt Designer: a menu strip with an Exit button and an
// "On top" switch, a Calculate button, and the two window helpers.
// With --quit it builds the form, shows it and ends at once.
#include "ui_example_form.h"

#include "platform/form.h"
#include "platform/form_setup.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("LxControlsExample"));

    lx::Form form;
    Ui::ExampleForm ui;
    // Stored values go in as at design time; then the form runs.
    lx::setupForm(form, [&] { ui.setupUi(&form); });

    QObject::connect(ui.cmdOnTop, &lx::LxButton::Click, &form,
                     [&] { ui.lxOnTop->setOnTop(ui.cmdOnTop->Value()); });
    QObject::connect(ui.cmdExit, &lx::LxButton::Click, &form, &QWidget::close);

    form.show();
    if (app.arguments().contains(QStringLiteral("--quit"))) {
        QTimer::singleShot(0, &app, &QApplication::quit);
    }
    return app.exec();
}
