#pragma once

#include <cstdint>

class TWin;

// Byte offsets of the fields of the memory shared with the slave board.
enum CommonRamOffset : int {
    SyncupOffset = 2,
    AbortFlagOffset = 6,
    CommandFlagOffset = 272,
    CommandCodeOffset = 273,
    BlockHandshakeOffset = 467,
    BlockWindowOffset = 512,
};
enum : int { BlockSize = 256, CommonRamUsedSize = 1024, EmulationRamSize = 1280 };
enum : uint16_t {
    SyncupReady = 0xCC33,
    SyncupRetry = 0x9966,
    SyncupDownloadMode = 0x6699,
    SyncupEmulation = 0xDB77,
};
enum : uintptr_t { FixedCommonRamAddress = 0x000D0000 };

// The board works on this memory at the same time as the program, so every access goes through
// a volatile pointer: to memory anew and in program order.
extern volatile uint8_t* commonRam;
extern uint8_t EmulationRam[EmulationRamSize];

inline uint8_t ReadCommonRam(int offset) { return commonRam[offset]; }
inline void WriteCommonRam(int offset, uint8_t value) { commonRam[offset] = value; }
uint16_t ReadSyncup();
void ClearAbort();
int8_t SlaveAborted();

// True when the 1,024 bytes the download touches can all be read and written without a fault:
// committed, read-write or copy-on-write (a driver's block in its data section stays copy-on-write
// until first written), no guard page. With mappedOnly, for the fixed address, only a section
// view counts: the process's own memory (its stack, say) may lie there and is never the board's.
bool CommonRamUsable(const volatile void* address, bool mappedOnly);

// The three sources in order: the fixed address, the driver library, the emulation block.
// Returns false when it fell back to the emulation (and then has flagged it on the log).
bool FindCommonRam();
void LocateCommonRam(TWin& window);
