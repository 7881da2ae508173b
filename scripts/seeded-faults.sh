#!/bin/bash
# Applies each fault of scripts/seeded-faults.txt to a copy of the product code, one at a time,
# rebuilds both trees, runs the tests that could catch it and prints a table of the faults with
# the tests that failed, or "missed". A fault whose text is not found exactly once, or whose code
# does not build, is reported as such: the list has gone stale.
#   scripts/seeded-faults.sh [--build DIR] [--table FILE] [--first] [NUMBER...]
# Without numbers every fault runs. With --first the tests of a fault stop at the first that fails,
# which names one test that catches it in a fraction of the time. The copy and its build lie in DIR (default build/faults);
# the table also goes to FILE (default DIR/table.md).
# The whole script is read before it runs: a run takes hours, and the file may change meanwhile.
{
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/faults"
table=""
only=()
first=()
usage() {
    echo "usage: seeded-faults.sh [--build DIR] [--table FILE] [--first] [NUMBER...]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case "$1" in
    --build) [ $# -ge 2 ] || usage; out=$(realpath -m "$2"); shift ;;
    --table) [ $# -ge 2 ] || usage; table=$(realpath -m "$2"); shift ;;
    --first) first=(--stop-on-failure) ;;
    *[!0-9]* | "") usage ;;
    *) only+=("$1") ;;
    esac
    shift
done
table=${table:-$out/table.md}
src="$out/src"
mkdir -p "$out"

# The working tree as it is (committed or not), without build output.
rm -rf "$src"
mkdir -p "$src"
(cd "$top" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - |
    tar -xf - -C "$src")

build() { make -s -C "$src" build BUILD="$out/build" >"$out/build.log" 2>&1; }
echo "Building the copy in $out/build ..."
build || { cat "$out/build.log"; exit 1; }

# Fault records: blocks of "key: value" lines (fault, file, from, to, tests), "\n" in from and to
# standing for a line end.
mapfile -t records < <(awk 'BEGIN { RS = "" } { gsub(/\n/, "\037"); print }' \
    "$top/scripts/seeded-faults.txt")

field() { # record key
    tr '\037' '\n' <<<"$1" | sed -n "s/^$2: //p" | head -n 1
}

printf '| # | fault | caught by |\n|---|---|---|\n' >"$table"
number=0
for record in "${records[@]}"; do
    [ -n "$(field "$record" fault)" ] || continue
    number=$((number + 1))
    if [ ${#only[@]} -gt 0 ] && [[ ! " ${only[*]} " == *" $number "* ]]; then
        continue
    fi
    name=$(field "$record" fault)
    file=$(field "$record" file)
    tests=$(field "$record" tests)
    cp "$src/$file" "$out/pristine"
    count=$(FROM=$(field "$record" from) TO=$(field "$record" to) perl -0777 -i -pe '
        BEGIN { ($from, $to) = map { s/\\n/\n/gr } @ENV{qw(FROM TO)} }
        $n = () = /\Q$from\E/g; s/\Q$from\E/$to/ if $n == 1; END { print STDERR $n }' \
        "$src/$file" 2>&1 >/dev/null || true)
    verdict=""
    if [ "$count" != 1 ]; then
        verdict="STALE: the text stands $count times in $file"
    elif ! build; then
        verdict="STALE: does not build"
    else
        log="$out/fault-$number.log"
        ("$src/scripts/run-tests.sh" "$out/build/test" -R "$tests" --timeout 300 "${first[@]}") \
            >"$log" 2>&1 || true
        caught=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*)$/\1/p' "$log" | paste -sd' ' | sed 's/ /, /g')
        if [ -n "$caught" ]; then
            verdict=$caught
        elif grep -q "No tests were found" "$log"; then
            verdict="STALE: no test matches $tests"
        else
            verdict="missed"
        fi
    fi
    cp "$out/pristine" "$src/$file"
    printf '| %d | %s | %s |\n' "$number" "$name" "$verdict" | tee -a "$table"
done
build || true
echo "Table: $table"
exit
}
