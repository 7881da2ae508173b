#!/bin/bash
# A missing archive, cabinet tool, commit batch or application: the run says so and goes on.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
failed="The upgrade failed. Trying to restart..."

# An archive that is missing, not a cabinet or cut short fails before the installation begins;
# one whose extraction leaves a file unwritten (a folder stands there) fails after it. Neither
# ever commits drive C:.
for row in "1004 --no-syscab" "1004 --no-extract" "1004 text" "0 text" "1004 cut" "0 cut" \
    "1004 blocked" "0 blocked"; do
    set -- $row
    missing=""
    [[ $2 == --* ]] && missing=$2
    lay_instrument --option "$1" 2.5 $missing
    cab="$inst/disk/ZR7KMSYS1.cab" variant=MASTER into=c:/ZR7KM folder="$c/ZR7KM" label=3.00
    [ "$1" = 1004 ] && variant=EWF into=P:/Tenacor folder="$p/Tenacor"
    case $2 in
    text) echo "not a cabinet" >"$cab" ;;
    cut) truncate -s $(($(stat -c %s "$cab") * 60 / 100)) "$cab" ;;
    blocked) mkdir "$folder/ZR7KMSYS.ini" ;;
    esac
    run_upgrade MASTER
    {
        opening MASTER
        status_line "Files are OK.  Looking for an upgrade disk..."
        echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."
        if [ "$2" = blocked ]; then
            caption "ZR7KM $variant Installation - Copying Files..."
            status_line "Copying system update files. Please Wait."
            echo "child E:\\extract.exe /E /Y /L $into E:\\ZR7KMSYS1.cab"
            status_line "Extracting files..."
        fi
        status_line "$failed"
        echo "pause 10000 | $failed"
        closing
    } | expect_transcript
    [ "$row" = "1004 blocked" ] && label=2.50
    check '[ "$(ls -d "$c"/XPe*)" = "$c/XPe Build B With Tenacor $label" ] && [ ! -e "$c/commit.log" ]' \
        "$row: committed or relabelled: $(ls -d "$c"/XPe*)"
    check '[ -f "$c/ZR7KM/COMMIT.BAT" ] && [ "$(cat "$p/Tenacor/Tenacor.exe")" = "old Tenacor.exe" ] &&
        [ "$(ls "$p/Tenacor/ProtectedFiles" | wc -l)" = 5 ]' "$row: batch or retention tool files touched"
    check '[ -f "$c/ZR7KM/ZR7KM.started" ] && [ "$exitCode" = 0 ]' "$row: no restart or exit $exitCode"
done

# Without the commit batch: no marker, no commit, and the waiting batch is deleted.
lay_instrument --option 1004 3.1 --no-commit-batch --no-app
run_upgrade
{
    opening ""
    status_line "Files are OK.  Looking for an upgrade disk..."
    caption "ZR7KM EWF Installation - Copying Files..."
    status_line "Copying system update files. Please Wait."
    echo "child E:\\extract.exe /E /Y /L P:/Tenacor E:\\ZR7KMSYS1.cab"
    status_line "Extracting files..."
    caption "ZR7KM System Upgrade - ERROR"
    status_line "Don't know how to restart..."
    echo "pause 3000 | Don't know how to restart..."
    caption "ZR7KM System Upgrade - Done..."
    status_line "Done."
} | expect_transcript
check '[ ! -e "$c/ZR7KM/COMMIT.BAT" ] && [ ! -e "$c/ZR7KM/DesistTenacor.txt" ]' "batch kept or marker made"
check '[ "$(ls -d "$c"/XPe*)" = "$c/XPe Build B With Tenacor 3.10" ] && [ -f "$p/Tenacor/ZR7KMSYS.dll" ]' \
    "not installed: $(ls -d "$c"/XPe*)"
check '[ "$exitCode" = 0 ]' "exit code $exitCode"

# A new batch that cannot be copied (a folder stands where the batch belongs) is kept for later;
# the commit then cannot start and the run goes on.
lay_instrument --option 1004 3.1
rm "$c/windows/COMMIT.BAT"
mkdir "$c/windows/COMMIT.BAT"
run_upgrade
check '[ -f "$c/ZR7KM/COMMIT.BAT" ]' "the waiting batch was lost"
check 'grep -q "^child C:/Windows/Commit.bat$" "$transcript" && ! grep -q "^status Updating Disk C:" "$transcript"' \
    "the commit did not try and give up"
check '[ -f "$c/ZR7KM/ZR7KM.started" ] && grep -q "^status Done.$" "$transcript"' "the run did not go on"
finish
