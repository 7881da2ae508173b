#!/bin/bash
# The EWF installation (option code 1004) with and without the commit.
source "$ZR7_SOURCE/tests/e2e/lib.sh"

lay_instrument --option 1004 2.5 --language both
run_upgrade MASTER
{
    opening MASTER
    status_line "Correcting language file naming error:"
    status_line "Correcting language file naming error: ZR7Engli.mls REMOVED."
    status_line "Files are OK.  Looking for an upgrade disk..."
    echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."
    caption "ZR7KM EWF Installation - Copying Files..."
    status_line "Copying system update files. Please Wait."
    echo "child E:\\extract.exe /E /Y /L P:/Tenacor E:\\ZR7KMSYS1.cab"
    status_line "Extracting files..."
    commit_lines
    closing
} | expect_transcript
check '[ "$exitCode" = 0 ]' "exit code $exitCode"
check '[ -d "$c/XPe Build B With Tenacor 3.10" ] && [ "$(ls -d "$c"/XPe*)" = "$c/XPe Build B With Tenacor 3.10" ]' \
    "build folder: $(ls -d "$c"/XPe*)"
check '[ -f "$p/Tenacor/ZR7KMSYS.dll" ] && [ ! -e "$c/ZR7KM/ZR7KMSYS.dll" ]' "not extracted into P:/Tenacor"
check '[ "$(tr -d "\r" <"$c/commit.log")" = "new batch ran" ]' "the new commit batch did not run"
check '[ ! -e "$c/ZR7KM/COMMIT.BAT" ] && grep -q "new batch" "$c/windows/COMMIT.BAT"' "batch not installed"
for f in Tenacor.exe TenacorConfig.ini TenacorentFileList.txt; do
    check '[ "$(cat "$p/Tenacor/$f")" = "new $f" ] && [ -f "$c/ZR7KM/$f" ]' "$f not copied to P:"
done
check '[ -z "$(ls -A "$p/Tenacor/ProtectedFiles")" ]' "ProtectedFiles not emptied: $(ls "$p/Tenacor/ProtectedFiles")"
check '[ -f "$c/ZR7KM/DesistTenacor.txt" ] && [ ! -s "$c/ZR7KM/DesistTenacor.txt" ]' "no empty marker"
check '[ ! -e "$c/ZR7KM/ZR7Engli.mls" ] && [ "$(cat "$c/ZR7KM/ZR7English.mls")" = long ]' "language files"
check '[ "$(tr -d "\r" <"$c/ZR7KM/ZR7KM.started")" = "$(printf "command line: ZR7KM.exe\nworking directory: c:\\\\ZR7KM")" ]' \
    "application not restarted once from c:\\ZR7KM: $(cat "$c/ZR7KM/ZR7KM.started")"

lay_instrument --option 1004 3.25 --language short
echo stale >"$c/ZR7KM/DesistTenacor.txt"
run_upgrade -nocommit
{
    opening -nocommit
    status_line "Correcting language file naming error:"
    status_line "Correcting language file naming error: ZR7Engli.mls RENAMED."
    status_line "Files are OK.  Looking for an upgrade disk..."
    echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."
    caption "ZR7KM EWF Installation - Copying Files..."
    status_line "Copying system update files. Please Wait."
    echo "child E:\\extract.exe /E /Y /L P:/Tenacor E:\\ZR7KMSYS1.cab"
    status_line "Extracting files..."
    closing
} | expect_transcript
check '[ "$(ls -d "$c"/XPe*)" = "$c/XPe Build B With Tenacor 3.25" ]' "build folder: $(ls -d "$c"/XPe*)"
check '[ -f "$p/Tenacor/ZR7KMSYS.ini" ]' "not extracted into P:/Tenacor"
check '[ -f "$c/ZR7KM/COMMIT.BAT" ] && grep -q "old batch" "$c/windows/COMMIT.BAT" && [ ! -e "$c/commit.log" ]' \
    "the commit ran or moved the batch"
check '[ "$(cat "$p/Tenacor/Tenacor.exe")" = "old Tenacor.exe" ] && [ "$(ls "$p/Tenacor/ProtectedFiles" | wc -l)" = 5 ]' \
    "retention tool files touched"
check '[ ! -s "$c/ZR7KM/DesistTenacor.txt" ]' "the marker was not emptied"
check '[ ! -e "$c/ZR7KM/ZR7Engli.mls" ] && [ "$(cat "$c/ZR7KM/ZR7English.mls")" = short ]' "not renamed"
finish
