#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need; silent when all are there.
set -e
packages="cmake make g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
 googletest wine wine32:i386 xvfb xauth gcab cabextract imagemagick x11-apps clang-format attr time"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages need root (apt-get): run this as root." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
apt-get install -y -qq $missing >/dev/null
