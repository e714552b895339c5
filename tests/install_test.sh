#!/bin/sh
# Installs the build into a fresh prefix, as a packager does, and checks what
# a Linux desktop looks for there: the program, its menu entry and its icon.
# Arguments: the cmake program, the build folder.
set -eu
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/cadenzo" || fail "no program at bin/cadenzo"
entry=$prefix/share/applications/cadenzo.desktop
test -f "$entry" || fail "no menu entry at share/applications/cadenzo.desktop"
desktop-file-validate "$entry" || fail "the menu entry is not valid"
grep -qx 'Exec=cadenzo' "$entry" || fail "the menu entry does not start bin/cadenzo"
icon=$(sed -n 's/^Icon=//p' "$entry")
test -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" \
    || fail "no icon \"$icon\" in share/icons/hicolor"
# It links no library of its own, so it looks in no folder of its own.
readelf -d "$prefix/bin/cadenzo" | grep -Eq '\((RUNPATH|RPATH)\)' \
    && fail "bin/cadenzo has a RUNPATH: $(readelf -d "$prefix/bin/cadenzo" | grep -E 'R(UN)?PATH')"
exit 0
