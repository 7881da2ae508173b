#include "upgrade/OptionTable.h"

#include "upgrade/RoadPaths.h"

const double MinimumMemoryFigure = 150000.0;
const uint32_t MinimumDriveMegabytes = 900;
const double FreeSpaceMargin = 1.0;

OptionSteps StepsForOption(int32_t optionCode) {
    switch (optionCode) {
    case 1000:
        return {true, nullptr, false, false, false, false, MasterFolder};
    case 1001:
        return {true, "C:\\ZR7KM\\OPTIONS\\DXF\\", false, false, true, false, MasterFolder};
    case 1002:
        return {true, "C:\\ZR7KM\\OPTIONS\\ZRPARASOLID\\", true, false, true, false, MasterFolder};
    case 1003:
        return {true, "C:\\ZR7KM\\OPTIONS\\ZRVerify\\", false, true, true, false, MasterFolder};
    case 1004:
        return {false, nullptr, false, false, false, true, EwfFolder};
    default:
        return {false, nullptr, false, false, false, false, MasterFolder};
    }
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
