#include "upgrade/Measure.h"

#ifdef ZR7_TEST_BUILD
#include <cstdio>

namespace {
bool ReadSeam(const char* name, char (&value)[128]) {
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value;
}
} // namespace
#endif

SIZE_T MeasureTotalPhys() {
#ifdef ZR7_TEST_BUILD
    char value[128];
    unsigned long long bytes = 0;
    if (ReadSeam("ZR7_TOTAL_PHYS", value) && std::sscanf(value, "%llu", &bytes) == 1)
        return static_cast<SIZE_T>(bytes);
#endif
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return status.dwTotalPhys;
}

BOOL MeasureDiskClusters(const char* rootPath, DWORD& sectorsPerCluster, DWORD& bytesPerSector,
                         DWORD& freeClusters, DWORD& totalClusters) {
#ifdef ZR7_TEST_BUILD
    char value[128];
    if (ReadSeam("ZR7_DISK_CLUSTERS", value)) {
        unsigned long figures[4];
        if (std::sscanf(value, "%lu %lu %lu %lu", &figures[0], &figures[1], &figures[2],
                        &figures[3]) != 4)
            return FALSE;
        sectorsPerCluster = figures[0];
        bytesPerSector = figures[1];
        freeClusters = figures[2];
        totalClusters = figures[3];
        return TRUE;
    }
#endif
    return GetDiskFreeSpaceA(rootPath, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                             &totalClusters);
}
