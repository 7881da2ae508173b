#include "slave/CommonRam.h"

#include <windows.h>

#include "common/TestBuild.h"
#include "slave/SlaveDriver.h"
#include "slave/SlaveErrorLog.h"
#include "twin/TWin.h"

volatile uint8_t* commonRam = reinterpret_cast<volatile uint8_t*>(FixedCommonRamAddress);
uint8_t EmulationRam[EmulationRamSize];

uint16_t ReadSyncup() {
    const uint8_t low = commonRam[SyncupOffset];
    const uint8_t high = commonRam[SyncupOffset + 1];
    return static_cast<uint16_t>(low | high << 8);
}

void ClearAbort() { commonRam[AbortFlagOffset] = 0; }

int8_t SlaveAborted() { return static_cast<int8_t>(commonRam[AbortFlagOffset]); }

bool CommonRamUsable(const volatile void* address, bool mappedOnly) {
    const uintptr_t start = reinterpret_cast<uintptr_t>(address);
    if (start == 0)
        return false;
    const uintptr_t end = start + CommonRamUsedSize;
    for (uintptr_t at = start; at < end;) {
        MEMORY_BASIC_INFORMATION info;
        if (VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof info) == 0)
            return false;
        const DWORD access = info.Protect & 0xFF;
        const bool writable = access == PAGE_READWRITE || access == PAGE_WRITECOPY ||
                              access == PAGE_EXECUTE_READWRITE || access == PAGE_EXECUTE_WRITECOPY;
        if (info.State != MEM_COMMIT || (info.Protect & PAGE_GUARD) || !writable ||
            (mappedOnly && info.Type != MEM_MAPPED))
            return false;
        at = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
    }
    return true;
}

namespace {
// Reads the syncup bytes once, as the board's memory is first touched; the values are not used.
bool Probe(bool mappedOnly) {
    if (!CommonRamUsable(commonRam, mappedOnly))
        return false;
    (void)commonRam[SyncupOffset];
    (void)commonRam[SyncupOffset + 1];
    return true;
}
} // namespace

bool FindCommonRam() {
    if (Probe(true))
        return true;
    commonRam = static_cast<volatile uint8_t*>(BindSlaveDriver());
    if (commonRam != nullptr && Probe(false))
        return true;
    slaveErrorLog.FlagNoHardware();
    commonRam = EmulationRam;
    for (int i = 0; i < EmulationRamSize; ++i)
        commonRam[i] = 0;
    commonRam[SyncupOffset] = 0x77;
    commonRam[SyncupOffset + 1] = 0xDB;
    return false;
}

void LocateCommonRam(TWin& window) {
    if (FindCommonRam())
        return;
    window.SetText("Emulating hardware in download mode...", 1);
    Record("slave-progress", "Emulating hardware in download mode...");
}
