// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QtCore/qglobal.h>

// Marks what the shared controls library shows to the programs and the
// designer plugin that use it; everything else stays inside the library.
#if defined(LX_CONTROLS_BUILDING)
#define LX_EXPORT Q_DECL_EXPORT
#else
#define LX_EXPORT Q_DECL_IMPORT
#endif
