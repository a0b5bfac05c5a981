#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the calculator is built: the tests are not needed to start it.
scripts/setup.sh default lxtervan
exec build/default/app/lxtervan "$@"
