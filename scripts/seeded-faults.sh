#!/bin/bash
# Applies each fault of scripts/seeded-faults.txt to a copy of the product code, rebuilds what the
# fault changes, runs the tests that could catch it and prints a table of the faults with the
# tests that failed, or "missed", and the time each took. A fault whose text is not found exactly
# once, or whose code does not build, is reported as such: the list has gone stale.
#   scripts/seeded-faults.sh [--build DIR] [--table FILE] [--all] [--copies N] [NUMBER...]
# Without numbers every fault runs. Faults run side by side, each copy of the tree (default one a
# core) taking the next fault when it is done with one. A fault's tests run in two rounds: first
# the test that caught it last and the unit tests of its file's folder, then, unless one of those
# failed, the rest of its tests; each round stops at the first test that fails. With --all every
# test of the fault runs, for a table of all that catch it. The copies and their builds lie in DIR
# (default build/faults); the table also goes to FILE (default DIR/table.md).
# The whole script is read before it runs: a run takes long, and the file may change meanwhile.
{
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/build/faults"
table=""
only=()
all=0
copies=$(nproc)
usage() {
    echo "usage: seeded-faults.sh [--build DIR] [--table FILE] [--all] [--copies N] [NUMBER...]" >&2
    exit 2
}
while [ $# -gt 0 ]; do
    case "$1" in
    --build) [ $# -ge 2 ] || usage; out=$(realpath -m "$2"); shift ;;
    --table) [ $# -ge 2 ] || usage; table=$(realpath -m "$2"); shift ;;
    --all) all=1 ;;
    --copies) [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || usage; copies=$2; shift ;;
    *[!0-9]* | "") usage ;;
    *) only+=("$1") ;;
    esac
    shift
done
table=${table:-$out/table.md}
mkdir -p "$out"
rm -rf "$out/results"
mkdir -p "$out/results"
started=$(date +%s)
"$top/scripts/install-deps.sh"

# Fault records: blocks of "key: value" lines (fault, file, from, to, tests, first), "\n" in from
# and to standing for a line end.
mapfile -t records < <(awk 'BEGIN { RS = "" } /(^|\n)fault: / { gsub(/\n/, "\037"); print }' \
    "$top/scripts/seeded-faults.txt")
field() { # record key
    tr '\037' '\n' <<<"$1" | sed -n "s/^$2: //p" | head -n 1
}
chosen=()
for ((number = 1; number <= ${#records[@]}; number++)); do
    [ ${#only[@]} = 0 ] || [[ " ${only[*]} " == *" $number "* ]] && chosen+=("$number")
done
echo "${#chosen[@]} faults, $copies side by side"
printf '%s\n' "${chosen[@]}" >"$out/queue"

# Each copy: the working tree as it is (committed or not), without build output, and its two
# builds, the test tree and the shipped one. A build rebuilds what changed since the copy's last
# (the sources keep their times); the shipped tree is built only for the tests that run it.
build() { # copy folder, test or shipped
    local tree="$1/build/test" toolchain=posix options=(-DZR7_TESTS=ON -DZR7_SHIPPED_DIR="$1/build/bin")
    [ "$2" = test ] || tree="$1/build" toolchain=win32 options=()
    [ -f "$tree/CMakeCache.txt" ] || cmake -S "$1/src" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
        "${options[@]}" -DCMAKE_TOOLCHAIN_FILE="$1/src/cmake/mingw-i686-$toolchain.cmake" >/dev/null
    cmake --build "$tree" -j"$(nproc)" >"$1/build-$2.log" 2>&1
}
# Builds the shipped tree before tests of an expression that take in a shipped test.
build_for() { # copy folder, expression
    local name
    for name in e2e.shipped-system e2e.shipped-slave cmake.shipped-image; do
        [[ $name =~ $2 ]] && { build "$1" shipped; return; }
    done
    return 0
}
prepare() { # copy folder
    rm -rf "$1/src"
    mkdir -p "$1/src"
    (cd "$top" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - |
        tar -xf - -C "$1/src")
    build "$1" shipped && build "$1" test || { cat "$1"/build-*.log; return 1; }
}

# The names of the tests that failed in a run's log: CTest's, with the failing tests of a
# program of unit tests in brackets.
caught_in() {
    sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*)$/\1/p' "$1" | while read -r name; do
        units=$(sed -n 's/^\[  FAILED  \] \([A-Za-z0-9_]*\.[A-Za-z0-9_]*\) (.*/\1/p' "$1" | sort -u | paste -sd' ')
        [[ $name == *.units && -n $units ]] && echo "$name ($units)" || echo "$name"
    done | paste -sd, | sed 's/,/, /g'
}
# Runs the tests of a copy that match a ctest -R expression (but for those of another); prints the
# ones that failed.
run_tests() { # copy folder, expression, log[, expression of tests left out]
    local stop=(--stop-on-failure) leave=()
    [ "$all" = 0 ] || stop=()
    [ -z "${4:-}" ] || leave=(-E "$4")
    JOBS=$(((2 * $(nproc) + copies - 1) / copies)) "$1/src/scripts/run-tests.sh" "$1/build/test" \
        -R "$2" "${leave[@]}" --timeout 300 "${stop[@]}" >"$3" 2>&1 || true
    grep -q "No tests were found" "$3" && echo "none" && return
    caught_in "$3"
}

run_fault() { # copy folder, number
    local copy=$1 number=$2 record=${records[$(($2 - 1))]} begun=$(date +%s)
    local name file tests first count verdict log="$out/fault-$2.log" units regex
    name=$(field "$record" fault) file=$(field "$record" file)
    tests=$(field "$record" tests) first=$(field "$record" first)
    cp "$copy/src/$file" "$copy/pristine"
    count=$(FROM=$(field "$record" from) TO=$(field "$record" to) perl -0777 -i -pe '
        BEGIN { ($from, $to) = map { s/\\n/\n/gr } @ENV{qw(FROM TO)} }
        $n = () = /\Q$from\E/g; s/\Q$from\E/$to/ if $n == 1; END { print STDERR $n }' \
        "$copy/src/$file" 2>&1 >/dev/null || true)
    if [ "$count" != 1 ]; then
        verdict="STALE: the text stands $count times in $file"
    elif ! build "$copy" test; then
        verdict="STALE: does not build"
    else
        # The test that caught it last and the unit tests of its file's folder, where its tests
        # take them in.
        units="${file%%/*}.units"
        regex="^(${first//./\\.}"
        [[ $units =~ $tests ]] && regex+="|${units//./\\.}"
        regex+=")$"
        verdict=""
        if [ "$all" = 0 ]; then
            build_for "$copy" "$regex" || verdict="STALE: does not build"
            [ -n "$verdict" ] || verdict=$(run_tests "$copy" "$regex" "$log")
        fi
        if [ "$all" = 1 ] || [ -z "$verdict" ] || [ "$verdict" = none ]; then
            if build_for "$copy" "$tests"; then
                verdict=$(run_tests "$copy" "$tests" "$log" "$([ "$all" = 1 ] || echo "$regex")")
                [ "$verdict" != none ] || verdict="STALE: no test matches $tests"
            else
                verdict="STALE: does not build"
            fi
        fi
        verdict=${verdict:-missed}
    fi
    cp "$copy/pristine" "$copy/src/$file"
    printf '| %d | %s | %s | %d s |\n' "$number" "$name" "$verdict" $(($(date +%s) - begun)) |
        tee "$out/results/$number"
}

# A copy takes the next fault of the queue until none is left. It keeps a display of its own and
# its test prefix's server for all its faults: starting them costs seconds of CPU each time.
worker() { # copy number
    local copy="$out/copy-$1" display=$((80 + $1)) number xvfb
    prepare "$copy" || return 1
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$display" ZR7_TESTS_KEEP=1
    while number=$(flock "$out/queue" sh -c 'head -n 1 "$0" && sed -i 1d "$0"' "$out/queue") &&
        [ -n "$number" ]; do
        run_fault "$copy" "$number"
    done
    WINEPREFIX="$copy/build/test/wineprefix" wineserver -k 2>/dev/null || true
    kill "$xvfb"
    build "$copy" test && build "$copy" shipped || true
}
for ((k = 1; k <= copies; k++)); do
    worker "$k" &
done
wait

{
    printf '| # | fault | caught by | time |\n|---|---|---|---|\n'
    for number in "${chosen[@]}"; do cat "$out/results/$number" 2>/dev/null || echo "| $number | | not run | |"; done
} >"$table"
missed=$(grep -c '| missed |\|STALE\|not run' "$table" || true)
echo
echo "Table: $table"
echo "${#chosen[@]} faults, $missed missed or stale, in $(($(date +%s) - started)) s with $copies side by side"
exit
}
