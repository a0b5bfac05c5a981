#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and packs the programs into a Debian package under build/default/package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
cd build/default
cpack -G DEB
ls "$PWD"/package/*.deb
