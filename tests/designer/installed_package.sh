#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, builds the example program
# against the installed LxControls package alone, installs it and starts it
# once. Neither the plugin nor the example needs LD_LIBRARY_PATH to find the
# library.
# Usage: installed_package.sh <build dir> <example dir> [sanitize ON/OFF]
set -euo pipefail
build=$1
example=$2
sanitize=${3:-OFF}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
plugin=$(find "$work/prefix" -path '*/plugins/designer/liblxcontrols_designer.so')
[ -n "$plugin" ] || { echo "the Designer plugin was not installed"; exit 1; }
unset LD_LIBRARY_PATH
# ldd's whole answer first: grep -q stops reading at its match, and under pipefail the
# SIGPIPE that ldd then gets would count as a failure.
libraries=$(ldd "$plugin")
if ! grep -q "liblxcontrols.so.1 => $work/prefix/" <<<"$libraries"; then
    echo "the installed plugin does not find the installed library:"
    readelf -d "$plugin" | grep -E 'RPATH|RUNPATH' || echo "(no RUNPATH)"
    exit 1
fi

flags=()
if [ "$sanitize" = ON ]; then
    # The installed library carries the sanitizers; the program must too.
    flags=(-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined
           -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined)
fi
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$example" -B "$work/example" "${generator[@]}" "${flags[@]}" \
    -DCMAKE_PREFIX_PATH="$work/prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/example" >/dev/null
cmake --install "$work/example" --prefix "$work/example-prefix" >/dev/null
XDG_CONFIG_HOME="$work/config" "$work/example-prefix/bin/controls_example" --quit
echo "example built and started against $work/prefix"
