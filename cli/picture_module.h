// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forest_rows.h"

#include <QString>

class QCoreApplication;

// The batch tool draws its pictures in a module of its own, loaded only by a run that asks for
// one, so that a run of tables alone loads none of the GUI libraries (some 30 of them, which
// would double the start of a short run).
namespace lx::cli {

// A QGuiApplication, drawing off screen unless QT_QPA_PLATFORM names a platform.
using MakePictureApplication = QCoreApplication* (*)(int& argc, char** argv);
// writeForestFile of forest_file.h.
using WriteForestFile = bool (*)(const QString& path, const ForestRows& rows, QString& error);
// writeFunnelFile of funnel_file.h.
using WriteFunnelFile = bool (*)(const QString& path, const ForestRows& rows, QString& error);

inline constexpr char pictureModuleName[] = "lxtervan-batch-pictures.so";
inline constexpr char makePictureApplicationSymbol[] = "lxtervanMakePictureApplication";
inline constexpr char writeForestFileSymbol[] = "lxtervanWriteForestFile";
inline constexpr char writeFunnelFileSymbol[] = "lxtervanWriteFunnelFile";

} // namespace lx::cli
