#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws docs/pool-forest.png and docs/pool-funnel.png as a user does: lxtervan-batch pools the
# example table of ten studies in two designs (tools/forest_weights_reference/example_studies.csv,
# whose weights metafor worked) by REML, overall and per design, and draws both pictures off
# screen with no display. Prints the summary line the tool writes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_missing.sh fonts-dejavu-core
pooled="$(mktemp --suffix=.csv)"
trap 'rm -f "$pooled"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C.UTF-8 \
    build/default/cli/lxtervan-batch --columns Study,g --pool "$pooled" --pool-by Design \
    --label Study --forest docs/pool-forest.png --funnel docs/pool-funnel.png \
    tools/forest_weights_reference/example_studies.csv >/dev/null
