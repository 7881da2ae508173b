#pragma once

#include <cstdint>

// Where the driver keeps the common RAM it hands out, each as a real driver might.
enum class BoardMemory {
    Section, // a view of a section, as a driver maps the board's memory
    Virtual, // VirtualAlloc, uncached
    Data,    // a block in the library's own data section, copy-on-write until written
};

// What the simulated board does, read from ZRSlaveDriver.ini beside the library: one setting a
// line, a name and a value ("syncup 0x9966", "memory data"); a missing file or line keeps the
// default.
struct BoardSettings {
    uint16_t syncup = 0xCC33; // posted at start: ready, 0x9966, 0x6699 or anything else
    BoardMemory memory = BoardMemory::Section; // "section", "virtual" or "data"
    int32_t abortAtBlock = 0;     // aborts while this block waits, having taken the ones before
    int32_t refuseStart = 0;      // refuses the start command this many times
    int32_t neverClear = 0;       // takes the last block but never clears the handshake
    int32_t clearAfterLast = 0;   // milliseconds after the last block before it clears
    int32_t abortAfterLast = 0;   // instead sets its abort flag this long after the last block
    int32_t blockDelay = 0;       // milliseconds the board takes over each block
    int32_t blockDelaySpread = 0; // plus 0 to this many, varying from block to block
    int32_t nullPointer = 0;      // GetCommonRamPointer returns null
    int32_t spin = 0;             // polls without sleeping, taking each block at once
};

BoardSettings ReadBoardSettings(const char* path);
