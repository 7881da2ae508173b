#!/bin/bash
# The shipped programs must load on Windows XP Embedded: PE32 i386, subsystem version at most
# 5.01, and imports only from DLLs that XP ships, none of the functions XP lacks.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
allowed='^(KERNEL32|USER32|GDI32|msvcrt|ADVAPI32|Cabinet)\.dll$'
banned='GetTickCount64|InitOnce|SRWLock|ConditionVariable|SleepConditionVariable|WakeConditionVariable|WakeAllConditionVariable|FlsAlloc|FlsGetValue|FlsSetValue|FlsFree|CreateSymbolicLink|GetFinalPathNameByHandle|InterlockedCompareExchange64|GetLocaleInfoEx|LCMapStringEx|CompareStringEx|CreateEventEx|CreateMutexEx|CreateSemaphoreEx|InitializeCriticalSectionEx|GetCurrentProcessorNumber|K32'

exes=$(ls "$ZR7_SHIPPED"/*.exe 2>/dev/null)
check '[ -n "$exes" ]' "no shipped program in $ZR7_SHIPPED"
for exe in $exes; do
    name=$(basename "$exe")
    dump=$(i686-w64-mingw32-objdump -p "$exe")
    check 'grep -q "file format pei-i386" <<<"$dump"' "$name is not a PE32 i386 image"
    major=$(awk '/^MajorSubsystemVersion/ {print $2}' <<<"$dump")
    minor=$(awk '/^MinorSubsystemVersion/ {print $2}' <<<"$dump")
    check '[ "$major" -lt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -le 1 ]; }' \
        "$name subsystem version $major.$minor is above 5.01"
    if [ "$name" = ZR7KMUpgrade.exe ]; then
        check 'grep -Eq "^Subsystem[[:space:]]+00000002" <<<"$dump"' "$name is not a GUI program"
    fi
    if [ "$name" = ZR7Disk.exe ]; then
        check 'grep -Eq "^Subsystem[[:space:]]+00000003" <<<"$dump"' "$name is not a console program"
    fi
    dlls=$(awk '/DLL Name:/ {print $3}' <<<"$dump")
    check '[ -n "$dlls" ]' "$name imports nothing (objdump output not understood)"
    for dll in $dlls; do
        check 'grep -Eq "$allowed" <<<"$dll"' "$name imports from $dll"
    done
    hits=$(grep -Eo "\b[0-9a-f]+ +[0-9]+ +($banned)[A-Za-z0-9]*" <<<"$dump" | awk '{print $3}')
    check '[ -z "$hits" ]' "$name imports functions XP lacks: $(echo $hits)"
    echo "$name: subsystem $major.$minor, imports from $(echo $dlls)"
done
finish
