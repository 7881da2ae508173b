#!/bin/sh
# Makes a 32-bit Wine prefix (the test machine's drive C:) unless it already exists, and has it run
# every program in Wine's virtual desktop of the given size (default 1280x1024). Outside a desktop,
# with no window manager, Wine waits about 2 s for every top-level window destroyed; inside, a
# program keeps its own exit code and windows get their frames and captions. Nothing types through
# X, so the X driver opens no input method, whose start reads the locale's table of compose
# sequences: a tenth of a CPU second for every windowed program where i386 code is emulated.
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
settings="$size, no input method"
[ "$(cat "$prefix/.zr7-desktop" 2>/dev/null)" = "$settings" ] && exit 0
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$size" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXIM /d N /f >/dev/null 2>&1
# The registry reaches user.reg, which instrument prefixes copy, only when the server ends.
wineserver -w
grep -q '"Default"="'"$size"'"' "$prefix/user.reg" && grep -q '"UseXIM"="N"' "$prefix/user.reg" ||
    { echo "could not set the desktop and input method of $prefix" >&2; exit 1; }
echo "$settings" >"$prefix/.zr7-desktop"
