#!/bin/sh
# The program started where no window can open: one clear line and status 1,
# never Qt's abort (and a core file). Argument: the program.
program=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failed=0

# A name, then the environment the program starts in.
check() {
    name=$1
    shift
    errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$@" \
        timeout 30 "$program" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$errors" | wc -l)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [ -z "$errors" ]; then
        echo "FAIL: $name: status $status, said:"
        printf '%s\n' "$errors"
        failed=1
    fi
}

check "no display at all"
check "an X display with no server" DISPLAY=:999
check "a Wayland display with no compositor" WAYLAND_DISPLAY=cadenzo-test-none
check "an unknown Qt platform" QT_QPA_PLATFORM=nonesuch
exit $failed
