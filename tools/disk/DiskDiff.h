#pragma once

// ZR7Disk diff: what changed between two upgrade disk folders, in the order a release engineer
// reads it: the description file (its numbers and what the program will do differently), the
// files of each cabinet (unpacked through the system's cabinet library into a temporary folder,
// which it removes), the image, the program and the cabinet tool. Returns the tool's exit status:
// 0 the same, 1 different, 2 a disk that cannot be read.
int DiffDisks(const char* oldDisk, const char* newDisk);
