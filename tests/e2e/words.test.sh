#!/bin/bash
# The command word chooses the road and the commit.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
for word in -NoCommit -nocommitx NOCOMMIT s Slave -s MASTER "" -nocommit; do
    lay_instrument --option 1004 3.1
    run_upgrade $word
    road=system
    grep -q "^caption ZR7KM SLAVE Upgrade - Copying Files...$" "$transcript" && road=slave
    commit=no
    [ -f "$c/commit.log" ] && commit=yes
    case "$word" in
    s | Slave) expected="slave no" ;;
    -nocommit) expected="system no" ;;
    *) expected="system yes" ;;
    esac
    check '[ "$road $commit" = "$expected" ]' "word '$word': road $road, commit $commit"
    check 'grep -qxF "status Update $word Software: Checking system files. . . . . " "$transcript"' \
        "word '$word': status line"
    check '[ -f "$c/ZR7KM/ZR7KM.started" ] && [ "$exitCode" = 0 ]' "word '$word': no restart"
done
# The slave road: the progress window opens over the status window; whatever the download
# shows, the run ends with the restart.
lay_instrument
run_upgrade SLAVE
{
    opening SLAVE
    status_line "Files are OK.  Looking for an upgrade disk..."
    caption "ZR7KM SLAVE Upgrade - Copying Files..."
    status_line "Updating Slave EEPROM. Please Wait."
    caption "SLAVE Flash Downloader - Progress"
} >"$work/head.txt"
check 'head -n "$(wc -l <"$work/head.txt")" "$transcript" | cmp -s - "$work/head.txt"' "slave road: wrong beginning"
closing >"$work/tail.txt"
check 'tail -n "$(wc -l <"$work/tail.txt")" "$transcript" | cmp -s - "$work/tail.txt"' "slave road: wrong end"
finish
