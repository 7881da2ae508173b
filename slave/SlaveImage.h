#pragma once

#include "upgrade/UpgradeResult.h"

class TWin;

// The slave EEPROM road: loads and checks SLAVE.BIN and sends it to the slave board, writing its
// progress into the given (already shown) progress window.
UpgradeResult UpgradeSlave(TWin& window);
