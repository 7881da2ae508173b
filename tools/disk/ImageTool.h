#pragma once

#include <string>

// What the upgrade program's loader makes of a SLAVE.BIN file.
struct ImageVerdict {
    bool accepted;
    std::string description; // raw or headered, magic, CRC found and computed
    std::string logLine;     // the numbered line the program would log; empty when accepted
};

ImageVerdict JudgeImage(const char* path);

// ZR7Disk wrap and ZR7Disk check; each returns the tool's exit status.
int WrapImage(const char* rawPath, const char* outputPath);
int CheckImage(const char* path);
