// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_module.h"

#include "forest_file.h"
#include "funnel_file.h"

#include <QGuiApplication>

// A picture file needs no window: it is drawn off screen unless the user names a platform, so
// that a display that is set but out of reach (an ssh session's dead forwarding) cannot stop
// the tool.
namespace {

QtMessageHandler qtHandler = nullptr;

// The tool speaks on standard error in its own words only, and says itself what fails (a file
// that cannot be written, a picture too large): what Qt says on the way, such as "XDG_RUNTIME_DIR
// not set" under cron or ssh, where drawing off screen needs no runtime folder, would be noise in
// a script's log. A fatal message still goes out, as Qt aborts after it.
void keepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && qtHandler) {
        qtHandler(type, context, message);
    }
}

} // namespace

extern "C" Q_DECL_EXPORT QCoreApplication* lxtervanMakePictureApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qtHandler = qInstallMessageHandler(keepQtQuiet);
    return new QGuiApplication(argc, argv);
}

extern "C" Q_DECL_EXPORT bool
lxtervanWriteForestFile(const QString& path, const lx::cli::ForestRows& rows, QString& error) {
    return lx::cli::writeForestFile(path, rows, error);
}

extern "C" Q_DECL_EXPORT bool
lxtervanWriteFunnelFile(const QString& path, const lx::cli::ForestRows& rows, QString& error) {
    return lx::cli::writeFunnelFile(path, rows, error);
}

// The loader takes the functions by these types.
static_assert(
    std::is_same_v<decltype(&lxtervanMakePictureApplication), lx::cli::MakePictureApplication>);
static_assert(std::is_same_v<decltype(&lxtervanWriteForestFile), lx::cli::WriteForestFile>);
static_assert(std::is_same_v<decltype(&lxtervanWriteFunnelFile), lx::cli::WriteFunnelFile>);
