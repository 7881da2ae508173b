#pragma once

#include "common/UpgradeResult.h"

class TWin;

// The system file road as the program takes it on the instrument (WalkSystemRoad), its captions
// and status lines in the window.
UpgradeResult InstallSystemFiles(TWin& window);
