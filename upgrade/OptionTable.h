#pragma once

#include <cstdint>

#include "common/UpgradeResult.h"

// What an option code of DiskInfo.txt sets off, in the order the steps run.
struct OptionSteps {
    bool extractWinSxS;
    const char* optionFolder; // removed before the tests; null for none
    bool memoryTest;
    bool driveSizeTest;
    bool freeSpaceTest;
    bool ewf;                      // EWF installation into P:/Tenacor, else MASTER into c:/ZR7KM
    const char* destinationOption; // of the extract.exe command line for ZR7KMSYS1.cab
    const char* destinationFolder; // the folder that option names
};

OptionSteps StepsForOption(int32_t optionCode);

// The destination option of the WinSxS.cab extraction.
extern const char* const WinSxSDestination;

// The tests fail below these figures; free space is measured against optionValue + the margin.
extern const double MinimumMemoryFigure;
extern const uint32_t MinimumDriveMegabytes;
extern const double FreeSpaceMargin;

struct InstrumentFigures {
    double memoryFigure; // (total physical bytes + 0.5) / 1024 + 1
    uint32_t freeMegabytes;
    uint32_t totalMegabytes;
};

// The figures of the machine the program runs on (drive C:).
InstrumentFigures MeasureInstrument();

// Success, NoDiskSpace or Incompatible: the tests the option code asks for, on these figures.
UpgradeResult TestInstrument(int32_t optionCode, double optionValue,
                             const InstrumentFigures& figures);
