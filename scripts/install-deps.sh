#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need, then makes sure that i386
# programs run here (scripts/i386.sh); silent when all is in place. wine64 brings a native
# wineserver, which Debian's wineserver command prefers, and which serves the 32-bit prefixes
# without being emulated where i386 code is.
set -e
[ $# = 0 ] || { echo "usage: install-deps.sh" >&2; exit 2; }
packages="cmake make binutils g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
 googletest wine wine32:i386 wine64 fonts-wine xvfb xauth gcab cabextract imagemagick x11-apps clang-format attr time
 procps"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages need root (apt-get): run this as root." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq $missing >/dev/null
fi
exec "$(dirname "$0")/i386.sh" setup
