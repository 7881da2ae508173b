#!/bin/bash
# The MASTER installation: with the commit (no DiskInfo.txt: option code 0) and without it
# (option code 1000, which first extracts WinSxS.cab into c:/Windows).
source "$ZR7_SOURCE/tests/e2e/lib.sh"

lay_instrument --no-diskinfo --build-folder "XPe Build Without Label"
run_upgrade
{
    opening ""
    status_line "Files are OK.  Looking for an upgrade disk..."
    echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."
    caption "ZR7KM MASTER Installation - Copying Files..."
    status_line "Copying system update files. Please Wait."
    echo "child E:\\extract.exe /E /Y /L c:/ZR7KM E:\\ZR7KMSYS1.cab"
    status_line "Extracting files..."
    commit_lines
    closing
} | expect_transcript
check '[ -f "$c/ZR7KM/ZR7KMSYS.dll" ] && [ ! -e "$p/Tenacor/ZR7KMSYS.dll" ]' "not extracted into c:/ZR7KM"
check '[ "$(ls -d "$c"/XPe*)" = "$c/XPe Build With Tenacor 3.10" ]' "build folder: $(ls -d "$c"/XPe*)"
check '[ "$(tr -d "\r" <"$c/commit.log")" = "new batch ran" ]' "the new commit batch did not run"
check '[ -z "$(ls -A "$p/Tenacor/ProtectedFiles")" ] && [ "$(cat "$p/Tenacor/Tenacor.exe")" = "new Tenacor.exe" ]' \
    "retention tool not refreshed"
check '[ ! -e "$c/windows/ZR7SxS.manifest" ] && [ -d "$c/ZR7KM/OPTIONS/DXF" ]' "code 0 prepared something"

lay_instrument --option 1000 900000
run_upgrade -NOCOMMIT
{
    opening -NOCOMMIT
    status_line "Files are OK.  Looking for an upgrade disk..."
    echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."
    echo "child E:\\extract.exe /E /Y /L c:/Windows E:\\WinSxS.cab"
    caption "ZR7KM MASTER Installation - Copying Files..."
    status_line "Copying system update files. Please Wait."
    echo "child E:\\extract.exe /E /Y /L c:/ZR7KM E:\\ZR7KMSYS1.cab"
    status_line "Extracting files..."
    closing
} | expect_transcript
check '[ -f "$c/windows/ZR7SxS.manifest" ] && [ -f "$c/ZR7KM/ZR7KMSYS.ini" ]' "not both archives extracted"
check '[ "$(ls -d "$c"/XPe*)" = "$c/XPe Build B With Tenacor 3.00" ] && [ ! -e "$c/commit.log" ]' \
    "committed or relabelled without the commit"
check '[ -f "$c/ZR7KM/COMMIT.BAT" ] && [ "$(ls "$p/Tenacor/ProtectedFiles" | wc -l)" = 5 ]' "touched without the commit"
check '[ -f "$c/ZR7KM/DesistTenacor.txt" ]' "no marker"
finish
