#!/usr/bin/env bash
# Sets up, builds and starts the calculator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
exec build/default/app/lxtervan "$@"
