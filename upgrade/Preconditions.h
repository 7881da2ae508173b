#pragma once

#include <cstdint>
#include <string>

#include "common/UpgradeResult.h"

// Reads the two numbers of DiskInfo.txt ("label number" on each line). Either stays 0 when it
// cannot be read; false when the file cannot be opened.
bool ReadDiskInfo(const char* path, int32_t& optionCode, float& optionValue);

class RoadSteps;

// Reads DiskInfo.txt of the upgrade disk in diskFolder, carries out the preparations of its
// option code and tests memory and drive C:. Returns Success, NoDiskSpace or Incompatible, never
// Failed.
UpgradeResult CheckUpgradePreconditions(RoadSteps& steps, const std::string& diskFolder,
                                        int32_t& optionCode, double& optionValue);
