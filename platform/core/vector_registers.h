// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

namespace lx {

// Marks the upper halves of the vector registers unused (VZEROUPPER) where the processor has
// them; does nothing elsewhere.
//
// Qt 6.4's string hash (qHash of a QString, on processors with 256-bit AES) returns without
// doing so, and from then on every SSE instruction of that thread waits on the registers'
// upper halves. All arithmetic the compiler emits for the x86-64 baseline is SSE: in a thread
// that had looked up a QHash<QString, ...> (QCommandLineParser does, and threads start with
// their creator's registers), the text check's tail probabilities ran four times slower.
// Call it before a thread's long arithmetic, where Qt may have hashed a string before.
void clearVectorUpperHalves();

// Whether the upper halves are marked in use, where the processor can tell (XGETBV 1);
// false elsewhere. For tests.
bool vectorUpperHalvesInUse();

} // namespace lx
