#!/bin/bash
# Option codes 1001 to 1003: WinSxS.cab, the option folder removed (a read-only or hidden file
# stays with its folders), and the memory and disk tests through the seams of the test build.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
# Clusters of 1 MiB: free, then total.
disk() { export ZR7_DISK_CLUSTERS="256 4096 $1 $2"; }
head_of_road() {
    opening -nocommit
    status_line "Files are OK.  Looking for an upgrade disk..."
    echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."
    echo "child E:\\extract.exe /E /Y /L c:/Windows E:\\WinSxS.cab"
}
failure() {
    status_line "$1"
    echo "pause 10000 | $1"
    closing
}

export ZR7_TOTAL_PHYS=268435456
disk 200 1000
lay_instrument --option 1001 199
options="$c/ZR7KM/OPTIONS"
run_upgrade -nocommit
check 'grep -q "^caption ZR7KM MASTER Installation" "$transcript" && [ -f "$c/ZR7KM/ZR7KMSYS.dll" ]' \
    "1001 with 199 MiB asked and 200 free did not install"
check '[ -f "$options/DXF/sub/readonly.txt" ] && [ -z "$(find "$options/DXF" -mindepth 1 | grep -v "/sub$" | grep -v readonly.txt)" ]' \
    "DXF: $(find "$options/DXF")"
check '[ -f "$options/ZRVerify/a.txt" ] && [ -f "$c/windows/ZR7SxS.manifest" ]' "1001 removed the wrong folder"

lay_instrument --option 1001 199.5
options="$c/ZR7KM/OPTIONS"
run_upgrade -nocommit
{
    head_of_road
    failure "Not enough disk space.  The upgrade failed. Trying to restart..."
} | expect_transcript
check '[ ! -e "$c/ZR7KM/ZR7KMSYS.dll" ] && [ ! -e "$options/DXF/a.txt" ]' "extracted, or DXF not emptied"

disk 800 899
lay_instrument --option 1003 0
options="$c/ZR7KM/OPTIONS"
run_upgrade -nocommit
{
    head_of_road
    failure "Hardware not compatible.  The upgrade failed. Trying to restart..."
} | expect_transcript
check '[ -f "$options/ZRVerify/sub/deeper/hidden.txt" ] && [ "$(find "$options/ZRVerify" | wc -l)" = 4 ]' \
    "ZRVerify: $(find "$options/ZRVerify")"
check '[ -f "$c/windows/ZR7SxS.manifest" ] && [ -d "$options/DXF/sub" ]' "1003 prepared the wrong things"

disk 800 900
export ZR7_TOTAL_PHYS=134217728
lay_instrument --option 1002 0
options="$c/ZR7KM/OPTIONS"
run_upgrade -nocommit
{
    head_of_road
    failure "Hardware not compatible.  The upgrade failed. Trying to restart..."
} | expect_transcript
check '[ ! -e "$options/ZRPARASOLID" ] && [ -d "$options/ZRVerify" ]' "ZRPARASOLID (with its hidden folder) not removed"

export ZR7_TOTAL_PHYS=153598976
lay_instrument --option 1002 0
run_upgrade -nocommit
check 'grep -q "^child E:.extract.exe /E /Y /L c:/ZR7KM" "$transcript" && ! grep -q "upgrade failed" "$transcript"' \
    "1002 with 146.5 MiB did not install"
finish
