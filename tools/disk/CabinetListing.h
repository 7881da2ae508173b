#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CabinetFile {
    std::string name;
    uint32_t size;
};

// The files inside a cabinet, as the system's cabinet interface lists them (nothing is
// extracted). False when the system cannot read the file as a cabinet.
bool ListCabinet(const char* path, std::vector<CabinetFile>& files);
