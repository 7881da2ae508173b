#pragma once

#include <string>

#include "common/UpgradeResult.h"

class RoadSteps;

// The whole system file road with the upgrade disk in diskFolder (the program's own folder):
// marker, preconditions, the extraction of ZR7KMSYS1.cab into c:/ZR7KM (MASTER) or, for option
// code 1004, into P:/Tenacor (EWF), then the commit.
UpgradeResult WalkSystemRoad(RoadSteps& steps, const std::string& diskFolder);
