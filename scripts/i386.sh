#!/bin/sh
# How this machine runs i386 programs, Wine's 32-bit loader among them. Some machines give user
# programs no 32-bit mode at all ("Exec format error"); there every i386 program has to go through
# QEMU's user-mode emulator, registered with the kernel's binfmt_misc. QEMU before 10 cannot run
# Wine, and Debian's qemu packages register no i386 handler on amd64.
#   i386.sh setup      makes i386 programs run here; quiet when they already do
#   i386.sh describe   one line: natively, or through QEMU and its version
set -e
handlers=/proc/sys/fs/binfmt_misc
handler=$handlers/qemu-i386
qemu=/usr/bin/qemu-i386
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")

# Runs an i386 program of three instructions (exit 0): whether it starts is the answer.
runs_i386() {
    dir=$(mktemp -d)
    printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
        as --32 -o "$dir/probe.o" - && ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" &&
        ("$dir/probe") 2>/dev/null && status=0 || status=$?
    rm -rf "$dir"
    return $status
}

registered() { [ "$(head -n 1 "$handler" 2>/dev/null)" = enabled ]; }
interpreter() { sed -n 's/^interpreter //p' "$handler"; }
qemu_version() { "$1" --version 2>/dev/null | sed -n '1s/^qemu-i386 version \([0-9.]*\).*/\1/p'; }
recent() { [ "$(qemu_version "$1" | cut -d. -f1)" -ge 10 ] 2>/dev/null; }

describe() {
    if registered; then
        echo "i386 programs run here through QEMU $(qemu_version "$(interpreter)") (user-mode emulation)"
    elif runs_i386; then
        echo "i386 programs run here natively"
    else
        echo "i386 programs cannot run here: run make as root once to set up QEMU's emulator" >&2
        return 1
    fi
}

# The backports suite at the address the machine's own sources give for its release.
add_backports() {
    grep -rqsE "(^|[[:space:]])$codename-backports([[:space:]]|$)" /etc/apt/sources.list \
        /etc/apt/sources.list.d && return 0
    # deb822 stanzas first: the address and its key of the stanza that lists the release.
    set -- $(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v suite="$codename" '
        function stanza() { if (!found && uri != "" && index(suites, " " suite " ")) { print uri, key; found = 1 } }
        /^$/ { stanza(); uri = key = suites = "" }
        /^URIs:/ { uri = $2 } /^Signed-By:/ { key = $2 } /^Suites:/ { suites = " " $0 " " }
        END { stanza() }')
    address=${1:-} key=${2:-}
    [ -n "$address" ] || address=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        2>/dev/null | awk -v suite="$codename" '$1 == "deb" {
        sub(/\[[^]]*\] */, ""); if ($3 == suite) { print $2; exit } }')
    [ -n "$address" ] || { echo "no apt source for $codename to take the backports from" >&2; return 1; }
    { printf 'Types: deb\nURIs: %s\nSuites: %s-backports\nComponents: main\n' "$address" "$codename"
      [ -z "$key" ] || printf 'Signed-By: %s\n' "$key"; } >"/etc/apt/sources.list.d/$codename-backports.sources"
}

setup() {
    # A handler with an old QEMU runs small programs but not Wine: replace it.
    if registered && ! recent "$(interpreter)"; then
        [ "$(id -u)" -eq 0 ] || { echo "the i386 handler's QEMU is older than 10 and replacing it needs root" >&2; return 1; }
        echo -1 >"$handler"
    fi
    runs_i386 && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "i386 programs cannot run here (no 32-bit mode), and setting up QEMU's emulator for them needs root: run make as root" >&2
        return 1
    fi
    if ! recent "$qemu"; then
        echo "Installing QEMU's user-mode emulator from $codename-backports (this machine runs no i386 code)"
        add_backports
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            -t "$codename-backports" qemu-user >/dev/null
        recent "$qemu" || { echo "$qemu is not QEMU 10 or later" >&2; return 1; }
    fi
    [ -f "$handlers/register" ] || mount -t binfmt_misc binfmt_misc "$handlers"
    [ ! -e "$handler" ] || echo -1 >"$handler" # a disabled one would refuse the new registration
    # With F the kernel opens the emulator now, so that it also serves programs in other mounts.
    printf '%s' ":qemu-i386:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$qemu:F" \
        >"$handlers/register"
    runs_i386 || { echo "i386 programs still do not run through $qemu" >&2; return 1; }
}

case "$1" in
setup) setup ;;
describe) describe ;;
*) echo "usage: i386.sh setup|describe" >&2; exit 2 ;;
esac
