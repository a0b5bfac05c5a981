#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws docs/pool-forest.png and docs/pool-funnel.png: the example table of ten studies in two
# designs (tools/forest_weights_reference/example_studies.csv, whose weights metafor worked)
# turned into g by lxtervan-batch, pooled by REML overall and per design, off screen with no
# display. Prints the overall result's sentence.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_missing.sh fonts-dejavu-core
table="$(mktemp --suffix=.tsv)"
trap 'rm -f "$table"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C.UTF-8 \
    build/default/cli/lxtervan-batch --format tsv --columns Study,Design,g,g_var,g_ci_lo,g_ci_hi \
    tools/forest_weights_reference/example_studies.csv >"$table"
env -u DISPLAY -u WAYLAND_DISPLAY LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    build/default/tools/pool_pictures/lxtervan-pool-pictures "$table" docs/pool-forest.png \
    docs/pool-funnel.png
