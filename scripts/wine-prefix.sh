#!/bin/sh
# Makes a 32-bit Wine prefix (the test machine's drive C:) unless it already exists.
set -e
prefix=$(realpath -m "$1")
[ -f "$prefix/system.reg" ] && exit 0
mkdir -p "$prefix"
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || true
wineserver -w
[ -f "$prefix/system.reg" ] || { echo "could not create the Wine prefix $prefix" >&2; exit 1; }
