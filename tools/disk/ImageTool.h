#pragma once

#include <string>
#include <vector>

// What the upgrade program's loader makes of a SLAVE.BIN file.
struct ImageVerdict {
    bool accepted;
    std::string description; // raw or headered, magic, CRC found and computed
    std::string logLine;     // the numbered line the program would log; empty when accepted
};

ImageVerdict JudgeImage(const char* path);

// The file wrap writes for a raw image of ImageSize bytes: the header with the magic and the
// image's CRC-32, then the image.
std::vector<unsigned char> HeaderedImage(const unsigned char* image);

// ZR7Disk wrap and ZR7Disk check; each returns the tool's exit status.
int WrapImage(const char* rawPath, const char* outputPath);
int CheckImage(const char* path);
