#!/bin/bash
# The simulated instrument is what the end-to-end tests take it for, as Wine sees it.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
lay_instrument --disk-name "upgrade disk" --option 1001 250
winecmd() { (cd "$c" && WINEPREFIX="$inst/prefix" wine cmd /c "$@" 2>/dev/null | tr -d '\r'); }
hidden=$(winecmd attrib 'C:\ZR7KM\OPTIONS\ZRVerify\sub\deeper\hidden.txt')
readOnly=$(winecmd attrib 'C:\ZR7KM\OPTIONS\DXF\sub\readonly.txt')
check 'grep -q "^[^:]*H.*hidden.txt" <<<"$hidden"' "the hidden file is not hidden for Wine: $hidden"
check 'grep -q "^[^:]*R.*readonly.txt" <<<"$readOnly"' "the read-only file is not read-only: $readOnly"
winecmd 'C:\WINDOWS\COMMIT.BAT'
check 'grep -q "old batch ran" "$c/commit.log"' "C:\\WINDOWS\\COMMIT.BAT did not run"
check '[ "$(winecmd type "P:\\Tenacor\\ProtectedFiles\\zr7clist.ini.pbf")" = "protected zr7clist.ini.pbf" ]' \
    "drive P: does not hold the retention tool"
check '[ "$(winecmd type "E:\\upgrade disk\\DiskInfo.txt")" = "$(printf "CODE 1001\nVERSION 250")" ]' \
    "the upgrade disk has no DiskInfo.txt"
check 'cabextract -l "$inst/disk/upgrade disk/ZR7KMSYS1.cab" | grep -q ZR7KMSYS.dll' "no system archive"
(cd "$c/ZR7KM" && WINEPREFIX="$inst/prefix" wine 'C:\ZR7KM\ZR7KM.exe' started)
WINEPREFIX="$inst/prefix" wineserver -w
check 'grep -q "^command line: .*ZR7KM.exe\" started" "$c/ZR7KM/ZR7KM.started"' \
    "the stand-in application did not record its start"
check 'grep -qx "working directory: C:.ZR7KM" "$c/ZR7KM/ZR7KM.started"' "wrong working directory"
finish
