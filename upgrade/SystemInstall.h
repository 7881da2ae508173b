#pragma once

#include "upgrade/UpgradeResult.h"

class TWin;

// The system file road: preconditions, extraction of ZR7KMSYS1.cab into c:/ZR7KM (MASTER) or,
// for option code 1004, into P:/Tenacor (EWF), then the commit. Shows its lines in the window.
UpgradeResult InstallSystemFiles(TWin& window);
