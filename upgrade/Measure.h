#pragma once

#include <windows.h>

// The platform's answers about the instrument's memory (GlobalMemoryStatus) and its drives
// (GetDiskFreeSpaceA); which figures the program takes from them is its own business. Wine
// reports the host's figures, so the test build answers instead where the environment says:
// ZR7_MEMORY "total available" (bytes of physical memory, and the load they make; the rest of
// the status is the platform's), and ZR7_DISK_<letter> "sectors-per-cluster bytes-per-sector
// free-clusters total-clusters" for the drive of that letter (other drives as the platform
// answers).
void MeasureMemory(MEMORYSTATUS& status);
BOOL MeasureDiskClusters(const char* rootPath, DWORD& sectorsPerCluster, DWORD& bytesPerSector,
                         DWORD& freeClusters, DWORD& totalClusters);
