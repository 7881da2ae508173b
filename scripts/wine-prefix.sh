#!/bin/sh
# Makes a 32-bit Wine prefix (the test machine's drive C:) unless it already exists, and has it run
# every program in Wine's virtual desktop of the given size (default 1280x1024). Outside a desktop,
# with no window manager, Wine waits about 2 s for every top-level window destroyed; inside, a
# program keeps its own exit code and windows get their frames and captions.
#   wine-prefix.sh PREFIX [WIDTHxHEIGHT]
set -e
prefix=$(realpath -m "$1")
size=${2:-1280x1024}
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$prefix/system.reg" ] || { echo "could not create the Wine prefix $prefix" >&2; exit 1; }
fi
[ "$(cat "$prefix/.zr7-desktop" 2>/dev/null)" = "$size" ] && exit 0
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
# The registry reaches user.reg, which instrument prefixes copy, only when the server ends.
wineserver -w
grep -q '"Default"="'"$size"'"' "$prefix/user.reg" ||
    { echo "could not set the virtual desktop of $prefix" >&2; exit 1; }
echo "$size" >"$prefix/.zr7-desktop"
