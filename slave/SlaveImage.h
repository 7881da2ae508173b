#pragma once

#include <cstdint>

#include "common/UpgradeResult.h"

class TWin;

enum : int32_t {
    ImageBufferSize = 0x20400,
    ImageSize = 0x20000,
    ImageHeaderSize = 64,
    HeaderedImageSize = ImageSize + ImageHeaderSize,
};

// The slave EEPROM road: loads and checks SLAVE.BIN and sends it to the slave board, writing its
// progress into the given (already shown) progress window. Failed only when the image could not be
// prepared; a download that meets errors still succeeds (its errors are reported).
UpgradeResult UpgradeSlave(TWin& window);
UpgradeResult RunSlaveDownload(const char* path, TWin& window);

// Reads the file into buffer and returns the first image byte (buffer, or buffer + 64 behind a
// header). Every failure flags the log and is thrown as a constant message text.
unsigned char* LoadSlaveImage(unsigned char* buffer, const int32_t& capacity, const char* path);
