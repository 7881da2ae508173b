#pragma once

// ZR7Disk plan: prints what the upgrade program would do with the disk folder for the command
// word, or for MASTER, -nocommit and SLAVE when word is null. Returns the tool's exit status.
int PlanDisk(const char* diskFolder, const char* word);
