#!/bin/sh
# Builds on `make build`: starts the shipped program under Wine and says what it did.
set -e
build=$(realpath "$1")
exe="$build/bin/ZR7KMUpgrade.exe"
prefix="$build/demo/wineprefix"
scripts/wine-prefix.sh "$prefix"
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
echo "Starting $exe under Wine (prefix $prefix) with the command word MASTER..."
set +e
WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all xvfb-run -a wine "$exe" MASTER
rc=$?
set -e
echo "The program ended with exit code $rc. (The upgrade roads are not built yet: it only stores"
echo "its instance handle and returns.)"
