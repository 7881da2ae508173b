#!/bin/bash
# Lays out a simulated instrument and its upgrade disk in OUT (removed first):
#   make-instrument.sh --base PREFIX --out OUT --program UPGRADE.exe --app ZR7KM.exe
#       [--disk-name NAME] [--option CODE VALUE | --diskinfo-file FILE | --no-diskinfo]
#       [--no-extract] [--no-syscab] [--no-winsxs] [--no-commit-batch] [--no-app]
#       [--language both|short|none] [--build-folder NAME] [--commit-seconds N] [--screen WxH]
# OUT/prefix is a Wine prefix (linked from PREFIX, which must be finished): C: holds C:\ZR7KM with
# the stand-in application, the retention tool files, a new COMMIT.BAT and option folders;
# C:\WINDOWS\COMMIT.BAT is a batch that appends a line to C:\commit.log, the new one (with
# --commit-seconds) after the write filter's commit has taken that long; C:\<build folder>.
# With --screen the virtual desktop, the instrument's screen, has that size instead of the base's.
# OUT/p-drive is drive P: (P:\Tenacor with ProtectedFiles). OUT/disk/NAME is the upgrade disk
# (E:\NAME, or E: itself without --disk-name) with the program, extract.exe, both cabinets and
# DiskInfo.txt. Prints nothing; the caller runs programs with WINEPREFIX=OUT/prefix.
set -euo pipefail
source "$(dirname "$0")/instrument.sh"
usage() {
    echo "usage: make-instrument.sh --base PREFIX --out OUT --program UPGRADE.exe --app ZR7KM.exe [options]" >&2
    exit 2
}
base="" out="" program="" app="" diskName="" option="1004 3.1" diskinfoFile=""
extract=1 syscab=1 winsxs=1 commitBatch=1 withApp=1 language=none buildFolder="XPe Build B With Tenacor 3.00"
commitSeconds=0 screen=""
while [ $# -gt 0 ]; do
    case "$1" in
    --base | --out | --program | --app | --disk-name | --diskinfo-file | --language | \
        --build-folder | --commit-seconds | --screen) [ $# -ge 2 ] || usage ;;&
    --base) base=$2; shift ;;
    --out) out=$2; shift ;;
    --program) program=$2; shift ;;
    --app) app=$2; shift ;;
    --disk-name) diskName=$2; shift ;;
    --option) [ $# -ge 3 ] || usage; option="$2 $3"; shift 2 ;;
    --diskinfo-file) diskinfoFile=$2; option=""; shift ;;
    --no-diskinfo) option="" ;;
    --no-extract) extract=0 ;;
    --no-syscab) syscab=0 ;;
    --no-winsxs) winsxs=0 ;;
    --no-commit-batch) commitBatch=0 ;;
    --no-app) withApp=0 ;;
    --language) language=$2; shift ;;
    --build-folder) buildFolder=$2; shift ;;
    --commit-seconds) commitSeconds=$2; shift ;;
    --screen) screen=$2; shift ;;
    *) usage ;;
    esac
    shift
done
[ -n "$out" ] && [ -f "$program" ] && [ -f "$app" ] || usage
[ -f "$base/system.reg" ] || { echo "make-instrument.sh: no finished prefix at $base" >&2; exit 2; }
base=$(realpath "$base")
out=$(realpath -m "$out")
rm -rf "$out"
mkdir -p "$out"

# The prefix: hard links for Wine's own files, plain copies of what Wine rewrites in place.
prefix="$out/prefix"
cp -al "$base" "$prefix"
rm -f "$prefix/wineserver"
for f in system.reg user.reg userdef.reg .update-timestamp drive_c/windows/win.ini drive_c/windows/system.ini; do
    [ -e "$base/$f" ] && { rm -f "$prefix/$f"; cp "$base/$f" "$prefix/$f"; }
done
[ -z "$screen" ] || sed -i "s/^\"Default\"=\"[0-9]*x[0-9]*\"$/\"Default\"=\"$screen\"/" "$prefix/user.reg"
c="$prefix/drive_c"
crlf() { sed 's/$/\r/' >"$1"; }

mkdir -p "$c/ZR7KM/OPTIONS"
[ "$withApp" = 1 ] && [ -n "$app" ] && cp "$app" "$c/ZR7KM/ZR7KM.exe"
for f in Tenacor.exe TenacorConfig.ini TenacorentFileList.txt; do echo "new $f" >"$c/ZR7KM/$f"; done
# The waiting batch commits drive C: through the write filter, which takes its time.
filter=()
if [ "$commitSeconds" != 0 ]; then
    cp "$(dirname "$app")/FilterCommit.exe" "$c/windows/FilterCommit.exe"
    filter=("C:\\WINDOWS\\FilterCommit.exe $commitSeconds")
fi
printf '%s\n' '@echo off' "${filter[@]}" 'echo new batch ran>> C:\commit.log' | crlf "$c/ZR7KM/COMMIT.BAT"
[ "$commitBatch" = 1 ] && printf '@echo off\necho old batch ran>> C:\\commit.log\n' | crlf "$c/windows/COMMIT.BAT"
mkdir -p "$c/$buildFolder"
echo "build" >"$c/$buildFolder/build.txt"
case "$language" in
both) echo short >"$c/ZR7KM/ZR7Engli.mls"; echo long >"$c/ZR7KM/ZR7English.mls" ;;
short) echo short >"$c/ZR7KM/ZR7Engli.mls" ;;
esac

# Option folders with nested folders.
for opt in DXF ZRPARASOLID ZRVerify KEEP; do
    mkdir -p "$c/ZR7KM/OPTIONS/$opt/sub/deeper"
    echo a >"$c/ZR7KM/OPTIONS/$opt/a.txt"
    echo b >"$c/ZR7KM/OPTIONS/$opt/sub/b.txt"
    echo c >"$c/ZR7KM/OPTIONS/$opt/sub/deeper/c.txt"
done
# A read-only file (Wine maps the attribute to the write bits), a hidden file (Wine keeps the
# bit in Samba's extended attribute) and a hidden folder, which is removed like any other.
echo r >"$c/ZR7KM/OPTIONS/DXF/sub/readonly.txt"
chmod a-w "$c/ZR7KM/OPTIONS/DXF/sub/readonly.txt"
echo h >"$c/ZR7KM/OPTIONS/ZRVerify/sub/deeper/hidden.txt"
setfattr -n user.DOSATTRIB -v '"0x2"' "$c/ZR7KM/OPTIONS/ZRVerify/sub/deeper/hidden.txt"
mkdir -p "$c/ZR7KM/OPTIONS/ZRPARASOLID/hidden folder"
echo x >"$c/ZR7KM/OPTIONS/ZRPARASOLID/hidden folder/x.txt"
setfattr -n user.DOSATTRIB -v '"0x12"' "$c/ZR7KM/OPTIONS/ZRPARASOLID/hidden folder"

# Drive P: with the retention tool.
p="$out/p-drive"
mkdir -p "$p/Tenacor/ProtectedFiles"
for f in Tenacor.exe TenacorConfig.ini TenacorentFileList.txt; do echo "old $f" >"$p/Tenacor/$f"; done
for f in Tenacor.exe TenacorConfig.ini TenacorentFileList.txt zr7clist.ini.pbf ZR7KMolist.ini.pbf; do
    echo "protected $f" >"$p/Tenacor/ProtectedFiles/$f"
done
ln -s "$p" "$prefix/dosdevices/p:"

# The upgrade disk, drive E:.
disk="$out/disk"
mkdir -p "$disk"
ln -s "$disk" "$prefix/dosdevices/e:"
folder="$disk${diskName:+/$diskName}"
mkdir -p "$folder"
cp "$program" "$folder/ZR7KMUpgrade.exe"
[ "$extract" = 1 ] && cp "$cabinetTool" "$folder/extract.exe"
work="$out/cabwork"
mkdir -p "$work/sys" "$work/sxs"
for f in ZR7KMSYS.dll ZR7KMSYS.ini; do echo "system file $f" >"$work/sys/$f"; done
# The archive brings the new commit batch too, which the MASTER installation leaves waiting.
cp "$c/ZR7KM/COMMIT.BAT" "$work/sys/COMMIT.BAT"
echo "side by side" >"$work/sxs/ZR7SxS.manifest"
[ "$syscab" = 1 ] && (cd "$work/sys" && gcab -c "$folder/ZR7KMSYS1.cab" ZR7KMSYS.dll ZR7KMSYS.ini COMMIT.BAT)
[ "$winsxs" = 1 ] && (cd "$work/sxs" && gcab -c "$folder/WinSxS.cab" ZR7SxS.manifest)
rm -rf "$work"
if [ -n "$diskinfoFile" ]; then
    cp "$diskinfoFile" "$folder/DiskInfo.txt"
elif [ -n "$option" ]; then
    set -- $option
    printf 'CODE %s\r\nVERSION %s\r\n' "$1" "$2" >"$folder/DiskInfo.txt"
fi
