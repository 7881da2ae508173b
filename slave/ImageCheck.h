#pragma once

#include <cstdint>

// The two checks of a SLAVE.BIN file with a header. They keep no state between calls.
enum : uint16_t { ImageMagic = 0xE3E3 };

// True when the little-endian 16-bit value at the start of the file data is the image magic.
bool HeaderValid(const unsigned char* fileData);

// True when the CRC-32 (reflected, polynomial 0xEDB88320) of length bytes equals expected; a
// length of 0 or less is the CRC of no bytes.
bool CrcValid(const unsigned char* data, uint32_t expected, int32_t length);

// The CRC-32 that CrcValid compares.
uint32_t Crc32(const unsigned char* data, int32_t length);

// The little-endian crc field at offset 4 of a header.
uint32_t HeaderCrc(const unsigned char* fileData);
