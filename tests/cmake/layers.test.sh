#!/bin/bash
# The code's folders stand in layers, each including only folders below it, and within a folder
# the files (a header and its source counted as one) include one another without a circle; the
# stand-ins include nothing of the program, whose mistakes they would share.
cd "$ZR7_SOURCE" || exit 1
layers=(text twin common slave upgrade app tools)
status=0
includes() { grep -rhoE '^#include "[a-z]+/' "$1" | sed 's/#include "//; s/\///' | sort -u | grep -vx "$1"; }
# "includer included" for each include between two files of the folder, each named without its
# ending; tsort reports any circle.
within() {
    awk -v folder="$1" 'FNR == 1 { unit = FILENAME; sub(/^[^\/]*\//, "", unit); sub(/\.[a-z]+$/, "", unit) }
        $0 ~ "^#include \"" folder "/" { included = $2; gsub(/"/, "", included)
            sub(/^[^\/]*\//, "", included); sub(/\.h$/, "", included)
            if (included != unit) print unit, included }' $(find "$1" -name '*.cpp' -o -name '*.h')
}
for ((i = 0; i < ${#layers[@]}; i++)); do
    folder=${layers[i]}
    used=$(includes "$folder" | paste -sd' ')
    echo "$folder -> ${used:-nothing}"
    for other in $used; do
        [[ " ${layers[*]:0:i} " == *" $other "* ]] ||
            { echo "FAIL: $folder includes $other, which does not stand below it"; status=1; }
    done
    circles=$(within "$folder" | tsort 2>&1 >/dev/null | sed -n 's/^tsort: -: input contains a loop:$/circle:/p; s/^tsort: //p' |
        paste -sd' ')
    [ -z "$circles" ] || { echo "FAIL: within $folder, a $circles"; status=1; }
done
[ $status = 1 ] || echo "within each folder, no circle of includes"
used=$(includes standins | paste -sd' ')
[ -z "$used" ] || { echo "FAIL: the stand-ins include $used"; status=1; }
exit $status
