#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build and the tests need and is not on the machine yet
# (Debian 12 packages), then configures and builds one preset.
# Usage: scripts/setup.sh [preset [target...]]   (preset "default" unless given; every
# target unless some are named)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev
    qt6-tools-dev libqt6opengl6-dev qt6-l10n-tools qt6-translations-l10n qt6-svg-dev
    libboost-math-dev libcsv-dev libpoppler-cpp-dev libzip-dev
    help2man desktop-file-utils appstream dpkg-dev
    xvfb xauth x11-utils xdotool xclip imagemagick poppler-utils
    fonts-dejavu-core reuse
)

scripts/install_missing.sh "${packages[@]}"

preset="${1:-default}"
build=(cmake --build --preset "$preset" -j "$(nproc)")
for target in "${@:2}"; do build+=(--target "$target"); done
cmake --preset "$preset" >/dev/null
"${build[@]}"
