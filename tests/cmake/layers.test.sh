#!/bin/bash
# The code's folders stand in layers, each including only folders below it, so that the folders
# include one another without a cycle; the stand-ins include nothing of the program, whose
# mistakes they would share.
cd "$ZR7_SOURCE" || exit 1
layers=(text twin common slave upgrade app tools)
status=0
includes() { grep -rhoE '^#include "[a-z]+/' "$1" | sed 's/#include "//; s/\///' | sort -u | grep -vx "$1"; }
for ((i = 0; i < ${#layers[@]}; i++)); do
    folder=${layers[i]}
    used=$(includes "$folder" | paste -sd' ')
    echo "$folder -> ${used:-nothing}"
    for other in $used; do
        [[ " ${layers[*]:0:i} " == *" $other "* ]] ||
            { echo "FAIL: $folder includes $other, which does not stand below it"; status=1; }
    done
done
used=$(includes standins | paste -sd' ')
[ -z "$used" ] || { echo "FAIL: the stand-ins include $used"; status=1; }
exit $status
