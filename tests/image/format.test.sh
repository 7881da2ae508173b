#!/bin/bash
# The sources follow the project's .clang-format.
cd "$ZR7_SOURCE" || exit 1
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null)
[ -n "$files" ] || files=$(find app text twin upgrade slave tests tools standins -name '*.cpp' -o -name '*.h' 2>/dev/null)
clang-format --dry-run --Werror $files
