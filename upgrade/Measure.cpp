#include "upgrade/Measure.h"

#ifdef ZR7_TEST_BUILD
#include <cctype>
#include <cstdio>

namespace {
bool ReadSeam(const char* name, char (&value)[128]) {
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value;
}
} // namespace
#endif

void MeasureMemory(MEMORYSTATUS& status) {
    status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
#ifdef ZR7_TEST_BUILD
    char value[128];
    unsigned long long total = 0, available = 0;
    if (ReadSeam("ZR7_MEMORY", value) && std::sscanf(value, "%llu %llu", &total, &available) == 2 &&
        available <= total) {
        status.dwTotalPhys = static_cast<SIZE_T>(total);
        status.dwAvailPhys = static_cast<SIZE_T>(available);
        status.dwMemoryLoad = total == 0 ? 0 : static_cast<DWORD>(100 - available * 100 / total);
    }
#endif
}

BOOL MeasureDiskClusters(const char* rootPath, DWORD& sectorsPerCluster, DWORD& bytesPerSector,
                         DWORD& freeClusters, DWORD& totalClusters) {
#ifdef ZR7_TEST_BUILD
    char name[] = "ZR7_DISK_?", value[128];
    if (rootPath != nullptr && rootPath[0] != '\0' && rootPath[1] == ':') {
        name[sizeof name - 2] =
            static_cast<char>(std::toupper(static_cast<unsigned char>(rootPath[0])));
        if (ReadSeam(name, value))
            return std::sscanf(value, "%lu %lu %lu %lu", &sectorsPerCluster, &bytesPerSector,
                               &freeClusters, &totalClusters) == 4;
    }
#endif
    return GetDiskFreeSpaceA(rootPath, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                             &totalClusters);
}
