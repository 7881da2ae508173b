#include "slave/SlaveImage.h"

#include <sys/stat.h>

#include <cstdio>

#include "slave/ImageCheck.h"
#include "slave/SlaveErrorLog.h"

namespace {
[[noreturn]] void FailImage(const char* text) {
    slaveErrorLog.FlagImageFailure();
    throw text;
}
} // namespace

unsigned char* LoadSlaveImage(unsigned char* buffer, const int32_t& capacity, const char* path) {
    struct _stat status;
    const int32_t size = _stat(path, &status) == 0 ? static_cast<int32_t>(status.st_size) : 0;
    if (size > capacity)
        FailImage("The image file is too large to be valid.");
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        FailImage("Could not open the image file.");
    const size_t read = std::fread(buffer, 1, static_cast<size_t>(size), file);
    std::fclose(file);
    if (read < static_cast<size_t>(size))
        FailImage("Could not read the whole image file.");
    if (size == ImageSize)
        return buffer;
    if (size == HeaderedImageSize) {
        if (!HeaderValid(buffer))
            FailImage("The image has an invalid header.");
        const uint32_t crc = static_cast<uint32_t>(buffer[4]) | buffer[5] << 8 | buffer[6] << 16 |
                             static_cast<uint32_t>(buffer[7]) << 24;
        if (!CrcValid(buffer + ImageHeaderSize, crc, size - ImageHeaderSize))
            FailImage("The image is corrupt.  The CRC test failed.");
        return buffer + ImageHeaderSize;
    }
    FailImage("Image is the wrong size.");
}

// The download is not built yet: the road fails without touching the board.
UpgradeResult UpgradeSlave(TWin&) { return Failed; }
