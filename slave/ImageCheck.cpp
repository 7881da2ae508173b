#include "slave/ImageCheck.h"

bool HeaderValid(const unsigned char* fileData) {
    const uint16_t magic = static_cast<uint16_t>(fileData[0] | fileData[1] << 8);
    return magic == ImageMagic;
}

bool CrcValid(const unsigned char* data, uint32_t expected, int32_t length) {
    return Crc32(data, length) == expected;
}

uint32_t Crc32(const unsigned char* data, int32_t length) {
    // Built anew on every call: the check runs once per run.
    uint32_t table[256];
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[n] = c;
    }
    uint32_t crc = 0xFFFFFFFFu;
    for (int32_t i = 0; i < length; ++i)
        crc = (crc >> 8) ^ table[(crc ^ data[i]) & 0xFF];
    return crc ^ 0xFFFFFFFFu;
}

uint32_t HeaderCrc(const unsigned char* fileData) {
    return static_cast<uint32_t>(fileData[4]) | fileData[5] << 8 | fileData[6] << 16 |
           static_cast<uint32_t>(fileData[7]) << 24;
}
