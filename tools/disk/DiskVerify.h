#pragma once

// ZR7Disk verify: whether the instrument holds what the disk brought, as a complete run of the
// upgrade program with the command word leaves it (MASTER, the road with the commit, when word is
// null), one line an item in the road's order, then the verdict. Reads the cabinets through the
// system's cabinet library into a temporary folder, which it removes, and writes nothing else.
// Returns the tool's exit status: 0 as a complete run leaves it, 1 something differs, 2 a usage
// error or a disk that cannot be read.
int VerifyDisk(const char* diskFolder, const char* word);
