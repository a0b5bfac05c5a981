// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture_module.h"

#include <QString>

namespace lx::cli {

// The picture module's functions, or where it was looked for and why it could not be loaded.
struct PictureModule {
    MakePictureApplication makeApplication = nullptr;
    WriteForestFile writeForest = nullptr;
    WriteFunnelFile writeFunnel = nullptr;
    QString places;
    QString reason; // empty when it is nowhere

    bool isLoaded() const { return makeApplication && writeForest && writeFunnel; }
    // Why the module cannot be loaded, in the user's language once translations are installed.
    QString problem() const;
};

// Loads the module from beside the program (the build tree) or from the library folder the
// program is installed with, found from the program's own place. Callable before any
// application object exists.
PictureModule loadPictureModule();

} // namespace lx::cli
