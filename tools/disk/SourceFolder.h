#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/disk/CabinetPack.h"

// The files below folder for a cabinet that the cabinet tool unpacks into destination (as its
// command line names it, "c:/ZR7KM"), each named relative to folder, in the order of their names
// as the instrument compares them (letters as capitals, then byte by byte), a folder's files where
// the folder's name stands. Every fault goes into faults, a line each beginning with option (the
// command-line option that named the folder): a name the instrument's file system refuses, two
// names in one folder that differ only in case, a path beyond the system's limit, a file that
// cannot be read here, no file at all.
void CollectCabinetFiles(const std::string& option, const std::string& folder,
                         const std::string& destination, std::vector<PackedFile>& files,
                         std::vector<uint32_t>& sizes, std::vector<std::string>& faults);

// A name as the instrument compares names: ASCII letters as capitals.
std::string NameKey(std::string name);

// Whether one relative path comes before another in the order above: folder by folder, each name
// as the instrument compares names; two that differ only in case by their bytes.
bool InstrumentOrder(const std::string& a, const std::string& b);
