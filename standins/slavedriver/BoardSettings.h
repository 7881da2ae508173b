#pragma once

#include <cstdint>

// What the simulated board does, read from ZRSlaveDriver.ini beside the library: one setting a
// line, a name and a number ("syncup 0x9966"); a missing file or line keeps the default.
struct BoardSettings {
    uint16_t syncup = 0xCC33; // posted at start: ready, 0x9966, 0x6699 or anything else
    int32_t abortAtBlock = 0; // aborts while this block waits, having taken the ones before
    int32_t refuseStart = 0;  // refuses the start command this many times
    int32_t neverClear = 0;   // takes the last block but never clears the handshake
    int32_t blockDelay = 0;   // milliseconds the board takes over each block
    int32_t nullPointer = 0;  // GetCommonRamPointer returns null
    int32_t spin = 0;         // polls without sleeping, taking each block at once
};

BoardSettings ReadBoardSettings(const char* path);
