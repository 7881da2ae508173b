#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/disk/CabinetPack.h"

// ZR7Disk make's inputs as given; the paths as the command line names them.
struct MakeInputs {
    std::string disk;
    std::string system;
    std::string winSxS; // empty without --winsxs
    std::string code, value;
    std::string slave; // empty without --slave
    std::string program, tool;
    std::string date;
};

// What the checks found for the writer: everything the disk will hold.
struct MakeContent {
    std::string disk;     // full path, no trailing backslash
    std::string building; // the sibling folder the disk is built in
    std::vector<PackedFile> systemFiles, winSxSFiles;
    std::vector<uint32_t> systemSizes, winSxSSizes;
    int32_t optionCode;
    float optionValue;
    std::string diskInfo;             // the text of DiskInfo.txt
    std::vector<unsigned char> image; // SLAVE.BIN, empty without --slave
    std::string program, tool;        // full paths
    uint16_t dosDate;
};

// Checks every input before anything is written and names every fault, a line each; content is
// whole when none is found. The folder temporary takes a trial DiskInfo.txt, read back as the
// program reads it.
std::vector<std::string> CheckMakeInputs(const MakeInputs& inputs, const std::string& temporary,
                                         MakeContent& content);
