#!/bin/bash
# The sources follow the project's .clang-format.
cd "$ZR7_SOURCE" || exit 1
clang-format --dry-run --Werror $(git ls-files '*.cpp' '*.h')
