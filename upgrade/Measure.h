#pragma once

#include <windows.h>

// The instrument's memory and disk figures. The test build takes them from the environment
// when it is set there (ZR7_TOTAL_PHYS: bytes; ZR7_DISK_CLUSTERS: sectors per cluster, bytes per
// sector, free clusters, total clusters), since Wine reports the host's figures.
SIZE_T MeasureTotalPhys();
BOOL MeasureDiskClusters(const char* rootPath, DWORD& sectorsPerCluster, DWORD& bytesPerSector,
                         DWORD& freeClusters, DWORD& totalClusters);
