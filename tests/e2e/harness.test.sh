#!/bin/bash
# The harness runs no row whose steps it does not know: a misspelled check, a state a check does
# not know and a stray shell command each fail their row, naming it, before anything is laid; a
# step that breaks off fails its row too.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
export ZR7_CASES="$work/cases"
cat >"$ZR7_CASES" <<'ROWS'
misspelled | | lay --option 1004 2.5 | ok; desist | label 3.00; optoin DXF kept
unknown-state | -nocommit | lay | ok | into P; option DXF kep
shell-text | | lay; rm -rf "$c" | ok |
unknown-option | SLAVE | lay --no-extrakt | slave |
unknown-memory | SLAVE | lay; board memory flash | slave |
broken | | lay --no-app; flip E:/none.bin 5 | ok |
ROWS
while read -r row said; do
    out=$(bash "$ZR7_SOURCE/tests/e2e/case.sh" "$row" 2>&1)
    want "1 FAIL: $said" "$? $out" "the row $row"
done <<'FAULTS'
misspelled no check step is called "optoin"
unknown-state option: "kep" is not kept|emptied|hidden|gone
shell-text no setup step is called "rm"
unknown-option lay: "--no-extrakt" is no option of lay
unknown-memory board: memory is section, virtual or data
FAULTS
check '[ ! -d "$inst" ]' "an instrument was laid for a row the harness does not know"
out=$(bash "$ZR7_SOURCE/tests/e2e/case.sh" broken 2>&1)
check '[ $? = 1 ] && grep -qx "FAIL: the set-up step flip broke off" <<<"$out"' "the row broken: $out"
finish
