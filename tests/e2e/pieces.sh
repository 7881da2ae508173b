# The pieces of a run's transcript as the test build writes it, for the rows of `cases` (case.sh)
# and the contact sheet's test; `words` holds the command word, `e` the upgrade disk (lib.sh).
# A status line stands two seconds, some with a further pause.
caption() { echo "caption $1"; }
status() {
    printf 'status %s\npause 2000 | %s\n' "$1" "$1"
    [ -z "${2:-}" ] || echo "pause $2 | $1"
}
opening() { # the command line for four seconds, then five passes with growing dots
    caption "ZR7KM System Upgrade Version 3.00 (CRC) - Checking..."
    status "\"${e}ZR7KMUpgrade.exe\"${words[*]:+ ${words[*]}}" 2000
    local line="Update ${words[*]:-} Software: Checking system files"
    for _ in 1 2 3 4 5; do line="$line. " && status "$line" 0; done
}
lang() { status "Correcting language file naming error:" && status "Correcting language file naming error: ZR7Engli.mls $1."; }
ok() { status "Files are OK.  Looking for an upgrade disk..."; }
desist() { echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."; }
# A child's command line, and the error mode it inherits: no critical-error or open-file boxes.
child() { printf 'child %s\nerror-mode 0x8001\n' "$1"; }
# The road waits for each of its children without a time limit: on the instrument a large archive
# or the write filter's commit can take minutes.
waits() { echo "wait infinite"; }
winsxs() { child "$(on_disk extract.exe) /E /Y /L c:/Windows $(on_disk WinSxS.cab)" && waits; }
extraction() { # EWF or MASTER
    caption "ZR7KM $1 Installation - Copying Files..."
    status "Copying system update files. Please Wait."
    child "$(on_disk extract.exe) /E /Y /L $([ "$1" = EWF ] && echo P:/Tenacor || echo c:/ZR7KM) $(on_disk ZR7KMSYS1.cab)"
    status "Extracting files..."
    waits
}
saving() { # the commit up to the start of its batch
    caption "ZR7KM - Saving Disk Image..."
    status "Saving all changes to drive C:. Please Wait..." 3000
    child C:/Windows/Commit.bat
}
commit() {
    saving && status "Updating Disk C: Image... WAIT!" && waits
    echo "pause 30000 | Updating Disk C: Image... WAIT!"
}
failed() { # result code
    local messages=("" "The upgrade failed. Trying to restart..."
        "Not enough disk space.  The upgrade failed. Trying to restart..."
        "Hardware not compatible.  The upgrade failed. Trying to restart...")
    status "${messages[$1]}" 10000
}
finished() { caption "ZR7KM System Upgrade - Done..." && status "Done."; }
closing() {
    caption "ZR7KM System Upgrade - Restarting..."
    status "Restarting...."
    child ZR7KM.exe
    finished
}
noapp() { caption "ZR7KM System Upgrade - ERROR" && status "Don't know how to restart..." 3000 && finished; }
slave() {
    caption "ZR7KM SLAVE Upgrade - Copying Files..."
    status "Updating Slave EEPROM. Please Wait."
    caption "SLAVE Flash Downloader - Progress"
    progress "Flash Update..."
}
progress() { echo "slave-progress $1"; }
download() { progress "Putting hardware into download mode..."; }
log="" lines=0
logged() { # the log's numbered lines, shown whole each time one is added
    lines=$((lines + 1)) log="$log$lines. $1\\n"
    echo "slave-log $log"
}
emulation() { progress "Emulating hardware in download mode..." && logged "No Slave Hardware: Emulating Download..."; }
transfer() { progress "Downloading..."; }
finalwait() { # seconds counted; without a count the WAITING lines are not compared
    progress ""
    for ((n = 1; n <= ${1:-0}; n++)); do progress "WAITING $n"; done
}
errors=("" "Error 1: Slave hardware not found." "Error 2: Slave not ready (syncup value incorrect)."
    "" "" "Error 5: Slave is in Download Mode. You must POWER OFF and re-update."
    "Error 6: Slave aborted the operation." "Error 7: Slave reset after download failed.")
report() { # the numbers of the report's error lines; none gives "No errors were found."
    local lines=("No errors were found.")
    [ $# = 0 ] || { lines=(); for n in "$@"; do lines+=("${errors[$n]}"); done; }
    echo "slave-report-height $((18 * (${#lines[@]} + 6) + 20))"
    printf 'slave-report Errors And Warnings:\\n---------------------\\n'
    printf '%s\\n' "${lines[@]}"
    printf -- '---------------------\\nNo warnings were found.\\n\\nWait 15 seconds to return.\\n\n'
    echo "pause 15000 | Updating Slave EEPROM. Please Wait."
}
result() { echo "slave-result $1"; }
