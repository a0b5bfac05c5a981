#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
# Usage: scripts/test.sh [preset]   ("default", or "asan" for the sanitizer build)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/setup.sh "$preset"
ctest --preset "$preset" -j "$(nproc)"
