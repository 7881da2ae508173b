#!/bin/bash
# A missing archive, cabinet tool, commit batch or application: the run says so and goes on.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
failed="The upgrade failed. Trying to restart..."

for missing in --no-syscab --no-extract; do
    lay_instrument --option 1004 3.1 $missing
    run_upgrade
    {
        opening ""
        status_line "Files are OK.  Looking for an upgrade disk..."
        echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."
        status_line "$failed"
        echo "pause 10000 | $failed"
        closing
    } | expect_transcript
    check '[ "$(ls -d "$c"/XPe*)" = "$c/XPe Build B With Tenacor 3.00" ] && [ -f "$c/ZR7KM/COMMIT.BAT" ]' \
        "$missing: relabelled or committed"
    check '[ -f "$c/ZR7KM/ZR7KM.started" ] && [ "$exitCode" = 0 ]' "$missing: no restart or exit $exitCode"
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
