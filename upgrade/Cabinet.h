#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CabinetFile {
    std::string name; // as the cabinet names it; may hold folders, separated by backslashes
    uint32_t size;
};

// True when a file of this name lands inside the folder it is extracted into: a name at all,
// relative (no leading backslash, no drive), no part that leads up ("..") and no colon, which
// would name a stream of another file.
bool StaysInside(const std::string& name);

// Reads a cabinet's own header and tables (nothing is extracted) and lists its files. True when
// the archive lists at least one file and is whole by what it declares: signature, declared size
// within the file, folder and file tables, every folder's data blocks, every file's place in its
// folder's data and every name staying inside the destination. Otherwise false, and fault says
// what is wrong.
bool ReadCabinet(const char* path, std::vector<CabinetFile>& files, std::string& fault);

// True when every listed file is in the folder (with its folders) as a file of its listed size;
// otherwise false, and fault names the first that is not.
bool CheckExtracted(const char* folder, const std::vector<CabinetFile>& files, std::string& fault);
