// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
// Places a button and a panel in design mode and opens their property pages.
// With --grab DIR it instead writes a picture of every page into DIR.
#include "controls/pages/demo/design_surface.h"
#include "platform/property_page.h"
#include "platform/property_pages_dialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

namespace {

// One picture of the dialog per page, named after the control and the page.
int grabPages(lx::DesignSurface& surface, const QDir& folder) {
    QTextStream out(stdout);
    const QString surfaceFile = folder.filePath(QStringLiteral("design_surface.png"));
    if (!surface.grab().save(surfaceFile)) {
        out << "cannot write " << surfaceFile << "\n";
        return 1;
    }
    out << surfaceFile << "\n";
    for (QObject* control : surface.placedControls()) {
        lx::PropertyPagesDialog* dialog = surface.pagesFor(control);
        auto* tabs = dialog->findChild<QTabWidget*>(QStringLiteral("tabPages"));
        if (tabs->count() == 0) {
            out << control->metaObject()->className() << " names no property pages\n";
        }
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            dialog->adjustSize();
            const QString file =
                folder.filePath(QStringLiteral("%1_%2.png")
                                    .arg(control->objectName(), dialog->pages().at(i)->Caption()));
            if (!dialog->grab().save(file)) {
                out << "cannot write " << file << "\n";
                return 1;
            }
            out << file << "\n";
        }
        delete dialog;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption grab(QStringLiteral("grab"),
                                  QStringLiteral("Write a picture of every page into <folder>."),
                                  QStringLiteral("folder"));
    options.addOption(grab);
    options.process(app);

    lx::DesignSurface surface;
    if (options.isSet(grab)) {
        return grabPages(surface, QDir(options.value(grab)));
    }
    surface.show();
    return app.exec();
}
