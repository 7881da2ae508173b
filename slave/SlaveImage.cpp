#include "slave/SlaveImage.h"

// The download is not built yet: the road fails without touching the board.
UpgradeResult UpgradeSlave(TWin&) { return Failed; }
