#!/bin/sh
# Makes a 32-bit Wine prefix into the instrument's system as far as Wine allows, unless it already
# is one made by this script as it stands:
# - it reports Windows XP (a new prefix says Windows 7, and Wine answers some calls by it);
# - Wine's own fonts lie in C:\windows\Fonts: Debian's Wine looks for them beside its own folder,
#   not where fonts-wine puts them, so the title bars' buttons (Marlett), Tahoma and MS Sans Serif
#   would fall back to a host font;
# - a program that crashes ends at once instead of standing behind Wine's crash dialog, which
#   nobody closes in a test, and which would leave its parent waiting;
# - every program runs in Wine's virtual desktop of the given size (default 1280x1024): outside a
#   desktop, with no window manager, Wine waits about 2 s for every top-level window destroyed;
#   inside, a program keeps its own exit code and windows get their frames and captions;
# - the X driver opens no input method, whose start reads the locale's table of compose sequences:
#   a tenth of a CPU second for every windowed program where i386 code is emulated.
#   wine-prefix.sh PREFIX [WIDTHxHEIGHT]
set -e
usage() {
    echo "usage: wine-prefix.sh PREFIX [WIDTHxHEIGHT]" >&2
    exit 2
}
[ $# -ge 1 ] && [ $# -le 2 ] && [ -n "$1" ] || usage
size=${2:-1280x1024}
echo "$size" | grep -Eqx '[1-9][0-9]*x[1-9][0-9]*' || usage
prefix=$(realpath -m "$1")
fonts=/usr/share/wine/fonts
# The fonts of the title bars, the dialogs and the system.
missing=""
for font in marlett.ttf tahoma.ttf tahomabd.ttf sserife.fon vgasys.fon; do
    [ -f "$fonts/$font" ] || missing="$missing $font"
done
[ -z "$missing" ] || {
    echo "wine-prefix.sh: Wine's own fonts are missing from $fonts:$missing (package fonts-wine)" >&2
    exit 1
}

# The stamp names the settings and this script: a prefix made otherwise is made anew.
stamp="$size $(md5sum <"$0" | cut -c1-32)"
[ "$(cat "$prefix/.zr7-prefix" 2>/dev/null)" = "$stamp" ] && exit 0
. "$(dirname "$0")/lib.sh"
wine_environment
export WINEPREFIX="$prefix"
[ ! -d "$prefix" ] || { wineserver -k 2>/dev/null || true; rm -rf "$prefix"; }
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1 || true
wineserver -w
[ -f "$prefix/system.reg" ] || { echo "wine-prefix.sh: could not create the Wine prefix $prefix" >&2; exit 1; }

cp "$fonts"/* "$prefix/drive_c/windows/Fonts/"
# Key, value, type and data of each setting.
settings="'HKCU\Software\Wine' Version REG_SZ winxp
'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ $size
'HKCU\Software\Wine\X11 Driver' UseXIM REG_SZ N"
printf "%s\n" "$settings" | while read -r line; do
    eval "set -- $line"
    wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1
done
# The registry reaches user.reg, which instrument prefixes copy, only when the server ends.
wineserver -w
printf "%s\n" "$settings" | while read -r line; do
    eval "set -- $line"
    case $3 in
    REG_DWORD) value="\"$2\"=dword:$(printf %08x "$4")" ;;
    *) value="\"$2\"=\"$4\"" ;;
    esac
    grep -qF "$value" "$prefix/user.reg" ||
        { echo "wine-prefix.sh: $prefix lacks $value in its registry" >&2; exit 1; }
done
echo "$stamp" >"$prefix/.zr7-prefix"
