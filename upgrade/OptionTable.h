#pragma once

#include <cstdint>

#include "common/UpgradeResult.h"
#include "upgrade/Measure.h"

// What an option code of DiskInfo.txt sets off, in the order the steps run.
struct OptionSteps {
    bool extractWinSxS;
    const char* optionFolder; // removed before the tests; null for none
    bool memoryTest;
    bool driveSizeTest;
    bool freeSpaceTest;
    bool ewf;                      // EWF installation into P:/Tenacor, else MASTER into c:/ZR7KM
    const char* destinationFolder; // of ZR7KMSYS1.cab, as the cabinet tool's /L option names it
};

OptionSteps StepsForOption(int32_t optionCode);

// The tests fail below these figures; free space is measured against optionValue + the margin.
extern const double MinimumMemoryFigure;
extern const uint32_t MinimumDriveMegabytes;
extern const double FreeSpaceMargin;

// Success, NoDiskSpace or Incompatible: the tests the option code asks for, on these figures.
UpgradeResult TestInstrument(int32_t optionCode, double optionValue,
                             const InstrumentFigures& figures);
