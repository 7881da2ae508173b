#include "upgrade/Measure.h"

#include <windows.h>

#include "common/TestBuild.h"

InstrumentFigures MeasureInstrument() {
    InstrumentFigures figures = {0, 0, 0};
    QueryDiskMegabytes("C:\\", figures.freeMegabytes, figures.totalMegabytes);
    MEMORYSTATUS memory;
    MeasureMemory(memory);
    figures.memoryFigure = (memory.dwTotalPhys + 0.5) / 1024 + 1;
    return figures;
}

void QueryDiskMegabytes(const char* rootPath, uint32_t& freeMegabytes, uint32_t& totalMegabytes) {
    UINT type = GetDriveTypeA(rootPath);
    if (type != DRIVE_REMOVABLE && type != DRIVE_FIXED && type != DRIVE_RAMDISK)
        return;
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!MeasureDiskClusters(rootPath, sectorsPerCluster, bytesPerSector, freeClusters,
                             totalClusters)) {
        freeMegabytes = 0;
        totalMegabytes = 0;
        return;
    }
    uint64_t clusterBytes = uint64_t(sectorsPerCluster) * bytesPerSector;
    freeMegabytes = static_cast<uint32_t>(freeClusters * clusterBytes / 1048576);
    totalMegabytes = static_cast<uint32_t>(totalClusters * clusterBytes / 1048576);
}
