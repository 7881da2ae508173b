#!/bin/bash
# Bad input ends in a clear result and loses nothing.
source "$ZR7_SOURCE/tests/e2e/lib.sh"

# A binary DiskInfo.txt reads as option code 0: the MASTER installation.
head -c 3000 "$ZR7_BUILD/standins/ZR7KM.exe" >"$work/binary.txt"
lay_instrument --diskinfo-file "$work/binary.txt"
run_upgrade -nocommit
check 'grep -q "^child E:.extract.exe /E /Y /L c:/ZR7KM E:.ZR7KMSYS1.cab$" "$transcript"' \
    "binary DiskInfo.txt: no MASTER installation"
check '[ -f "$c/ZR7KM/ZR7KMSYS.dll" ] && [ -f "$c/ZR7KM/ZR7KM.started" ]' "binary DiskInfo.txt: not installed"

# Over-long labels keep their numbers.
printf '%s 1004\r\n%s 3.2\r\n' "$(printf 'L%.0s' {1..3000})" "VERSIONLABELTOOLONG" >"$work/long.txt"
lay_instrument --diskinfo-file "$work/long.txt"
run_upgrade -nocommit
check '[ "$(ls -d "$c"/XPe*)" = "$c/XPe Build B With Tenacor 3.20" ] && [ -f "$p/Tenacor/ZR7KMSYS.dll" ]' \
    "long labels: $(ls -d "$c"/XPe*)"

# A relabelled name that would not fit leaves the build folder as it is.
long="XPe Build $(printf 'B%.0s' {1..200}) With Tenacor 3.00"
lay_instrument --option 1004 1e37 --build-folder "$long"
run_upgrade -nocommit
check '[ "$(ls -d "$c"/XPe*)" = "$c/$long" ] && [ -f "$p/Tenacor/ZR7KMSYS.dll" ]' \
    "name too long: $(ls -d "$c"/XPe*)"

# An over-long command word is cut at 511 characters.
word="-$(printf 'n%.0s' {1..700})"
lay_instrument --option 1004 3.1
run_upgrade "$word"
check 'grep -qxF "status Update ${word:0:511} Software: Checking system files. . . . . " "$transcript"' \
    "long word not cut at 511"
check '[ -f "$c/commit.log" ] && [ "$exitCode" = 0 ]' "long word: no commit or exit $exitCode"

# An upgrade disk folder with a blank: the system quotes the program's path, the word behind it
# still counts, and the quoted command lines still find the tool and the archives.
lay_instrument --disk-name "upgrade disk" --option 1000 0
run_upgrade SLAVE
check 'grep -q "^caption ZR7KM SLAVE Upgrade" "$transcript" && ! grep -q extract.exe "$transcript"' \
    "blank in the path: SLAVE did not take the slave road"
lay_instrument --disk-name "upgrade disk" --option 1000 0
run_upgrade -nocommit
check 'grep -qxF "status Update -nocommit Software: Checking system files. . . . . " "$transcript"' \
    "blank in the path: wrong command word"
check 'grep -qxF "child \"E:\\upgrade disk\\extract.exe\" /E /Y /L c:/Windows \"E:\\upgrade disk\\WinSxS.cab\"" "$transcript"' \
    "blank in the path: WinSxS command line"
check 'grep -qxF "child \"E:\\upgrade disk\\extract.exe\" /E /Y /L c:/ZR7KM \"E:\\upgrade disk\\ZR7KMSYS1.cab\"" "$transcript"' \
    "blank in the path: system archive command line"
check '[ -f "$c/windows/ZR7SxS.manifest" ] && [ -f "$c/ZR7KM/ZR7KMSYS.dll" ] && [ ! -e "$c/commit.log" ] &&
    [ -f "$c/ZR7KM/COMMIT.BAT" ]' "blank in the path: not installed, or committed despite -nocommit"
finish
