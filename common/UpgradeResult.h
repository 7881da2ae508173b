#pragma once

// What a road of the upgrade returns to the sequence.
enum UpgradeResult : int { Success = 0, Failed = 1, NoDiskSpace = 2, Incompatible = 3 };
