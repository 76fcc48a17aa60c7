#!/bin/sh
# Runs a Windows program under wine: the emulator ctest puts in front of every cross-built test.
# Uses WINEPREFIX as given (scripts/test points it at a fresh, throw-away prefix).
#   wine-run.sh PROGRAM.exe [ARGS...]   runs a program
#   wine-run.sh --server -k             runs the wine server with the given options (-k ends it)
set -e

find_first() {
    for candidate in "$@"; do
        case "$candidate" in
        /*) [ -x "$candidate" ] && { echo "$candidate"; return 0; } ;;
        *) command -v "$candidate" 2>/dev/null && return 0 ;;
        esac
    done
    return 1
}

if [ "${1:-}" = "--server" ]; then
    shift
    # Debian's wine64 package alone puts its programs under /usr/lib/wine, not on PATH.
    server=$(find_first wineserver /usr/lib/wine/wineserver /usr/lib/wine/wineserver64) || {
        echo "wine-run.sh: no wineserver found (install wine64)" >&2
        exit 127
    }
    exec "$server" "$@"
fi

wine=$(find_first wine64 /usr/lib/wine/wine64 wine) || {
    echo "wine-run.sh: no wine found (install wine64)" >&2
    exit 127
}

# Quiet, and no offer to install Mono or Gecko when a prefix is first made.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec "$wine" "$@"
