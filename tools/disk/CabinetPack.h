#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A file to pack: where it lies on this machine, and its name in the cabinet (folders separated
// by backslashes).
struct PackedFile {
    std::string source;
    std::string name;
};

struct CabinetForm {
    uint16_t dosDate; // every file's date and time as the cabinet records them
    uint16_t dosTime;
    bool compressed; // MSZIP, else stored
    // Bytes reserved in the header (up to 60,000), in each folder entry and in each data block
    // (up to 255 each), as the cabinet library's CCAB has them.
    unsigned headerReserve = 0;
    unsigned folderReserve = 0;
    unsigned dataReserve = 0;
    // After so many files another folder begins; 0 puts all in one.
    unsigned filesPerFolder = 0;
};

// Writes one cabinet of the files, in the order given, through the system's cabinet library
// (cabinet.dll's FCI, as Windows XP has it). Nothing of the machine enters it: the files carry the
// form's date and time and the archive attribute, the set ID is 0. The library's own temporary
// files go into the folder temporary. False, with the reason in fault, when it cannot be written;
// a cabinet that would not fit in one file is refused too.
bool PackCabinet(const std::string& cabinet, const std::vector<PackedFile>& files,
                 const CabinetForm& form, const std::string& temporary, std::string& fault);
