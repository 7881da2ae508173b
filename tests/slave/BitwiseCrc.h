#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A bit at a time, without a table: a second way to the CRC-32 the program checks and the disk
// tool writes, from byte `from` to the end of the data.
inline uint32_t BitwiseCrc(const std::vector<unsigned char>& data, size_t from) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}
