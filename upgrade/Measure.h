#pragma once

#include <cstdint>

// What the tests of an option code measure on the instrument.
struct InstrumentFigures {
    double memoryFigure; // (total physical bytes + 0.5) / 1024 + 1
    uint32_t freeMegabytes;
    uint32_t totalMegabytes;
};

// The figures of the machine the program runs on (drive C:).
InstrumentFigures MeasureInstrument();

// Free and total MiB of a removable, fixed or RAM drive; other drives leave both as the caller
// set them, a failed query sets both to 0.
void QueryDiskMegabytes(const char* rootPath, uint32_t& freeMegabytes, uint32_t& totalMegabytes);
