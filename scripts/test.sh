#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the whole test suite.
# Usage: scripts/test.sh [preset]   ("default", or "asan" for the sanitizer build)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/setup.sh "$preset"
ctest --preset "$preset" -j "$(nproc)"
