#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary DESTDIR and packs it as a .deb, then checks that both hold
# every file a desktop needs and that the desktop entry and the AppStream file validate.
# Usage: check_install.sh <build folder>
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
id=org.lxtervan.LxTervan

expected=(
    usr/bin/lxtervan
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/man/man1/lxtervan.1
    usr/share/doc/lxtervan/copyright
)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
if [ -e "$build/cli/lxtervan-batch" ]; then
    expected+=(usr/bin/lxtervan-batch usr/share/man/man1/lxtervan-batch.1)
fi
if [ -e "$build/app/lxtervan-check" ]; then
    expected+=(usr/bin/lxtervan-check usr/share/man/man1/lxtervan-check.1)
fi
missing=0
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
# The controls library, its CMake package and the Designer plugin sit below a library folder
# that depends on how the build was configured: found, then expected in the package too.
names=(liblxcontrols.so.1 LxControlsConfig.cmake liblxcontrols_designer.so)
# The batch tool's pictures, a module it loads from its own place.
[ -e "$build/cli/lxtervan-batch" ] && names+=(lxtervan-batch-pictures.so)
for name in "${names[@]}"; do
    found="$(cd "$work/root" && find usr -name "$name" | head -n 1)"
    if [ -z "$found" ]; then
        echo "not installed: $name"
        missing=1
    else
        expected+=("$found")
    fi
done
for file in "${expected[@]}"; do
    if [ ! -e "$work/root/$file" ]; then
        echo "not installed: $file"
        missing=1
    fi
done

desktop-file-validate "$work/root/usr/share/applications/$id.desktop" | grep -v ': hint:' || true
if desktop-file-validate "$work/root/usr/share/applications/$id.desktop" | grep -q ': error:'; then
    missing=1
fi
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$work/root/usr/share/doc/lxtervan/copyright" || {
    echo "the copyright file is not in Debian's machine-readable format"
    missing=1
}
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" || missing=1
grep -q '^\.TH LXTERVAN' "$work/root/usr/share/man/man1/lxtervan.1" || {
    echo "the manual page of lxtervan is not a manual page"
    missing=1
}
# The installed batch tool finds its picture module and draws with no display.
if [ -e "$build/cli/lxtervan-batch" ]; then
    printf 'n1,m1,sd1,n2,m2,sd2\n10,5,1,10,4,1\n' |
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
            "$work/root/usr/bin/lxtervan-batch" --columns g --forest "$work/forest.svg" \
            >/dev/null 2>"$work/forest.txt" && [ -s "$work/forest.svg" ] || {
        echo "the installed lxtervan-batch cannot draw a forest plot:"
        cat "$work/forest.txt"
        missing=1
    }
fi

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/*.deb)"
contents="$(dpkg-deb --contents "$deb")"
for file in "${expected[@]}"; do
    grep -q " \./$file\( -> .*\)\?\$" <<<"$contents" || {
        echo "not in the package: $file"
        missing=1
    }
done
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || {
    echo "the package does not depend on Qt's widgets library"
    missing=1
}
[ "$missing" -eq 0 ] && echo "installed tree and package complete: ${#expected[@]} files"
exit "$missing"
