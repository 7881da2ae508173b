#include "upgrade/OptionTable.h"

#include "common/TestBuild.h"
#include "upgrade/Preconditions.h"

const char* const WinSxSDestination = " /E /Y /L c:/Windows";
const double MinimumMemoryFigure = 150000.0;
const uint32_t MinimumDriveMegabytes = 900;
const double FreeSpaceMargin = 1.0;

OptionSteps StepsForOption(int32_t optionCode) {
    const char* master = " /E /Y /L c:/ZR7KM";
    const char* into = "c:/ZR7KM";
    switch (optionCode) {
    case 1000:
        return {true, nullptr, false, false, false, false, master, into};
    case 1001:
        return {true, "C:\\ZR7KM\\OPTIONS\\DXF\\", false, false, true, false, master, into};
    case 1002:
        return {true, "C:\\ZR7KM\\OPTIONS\\ZRPARASOLID\\", true, false, true, false, master, into};
    case 1003:
        return {true, "C:\\ZR7KM\\OPTIONS\\ZRVerify\\", false, true, true, false, master, into};
    case 1004:
        return {false, nullptr, false, false, false, true, " /E /Y /L P:/Tenacor", "P:/Tenacor"};
    default:
        return {false, nullptr, false, false, false, false, master, into};
    }
}

InstrumentFigures MeasureInstrument() {
    InstrumentFigures figures = {0, 0, 0};
    QueryDiskMegabytes("C:\\", figures.freeMegabytes, figures.totalMegabytes);
    MEMORYSTATUS memory;
    MeasureMemory(memory);
    figures.memoryFigure = (memory.dwTotalPhys + 0.5) / 1024 + 1;
    return figures;
}

UpgradeResult TestInstrument(int32_t optionCode, double optionValue,
                             const InstrumentFigures& figures) {
    const OptionSteps steps = StepsForOption(optionCode);
    if (steps.memoryTest && figures.memoryFigure < MinimumMemoryFigure)
        return Incompatible;
    if (steps.driveSizeTest && figures.totalMegabytes < MinimumDriveMegabytes)
        return Incompatible;
    if (steps.freeSpaceTest && figures.freeMegabytes < optionValue + FreeSpaceMargin)
        return NoDiskSpace;
    return Success;
}
