#include "slave/SlaveImage.h"

#include <sys/stat.h>

#include <cstdio>
#include <new>

#include "common/Handles.h"
#include "common/TestBuild.h"
#include "common/UpgradeDisk.h"
#include "slave/ImageCheck.h"
#include "slave/SlaveDownload.h"
#include "slave/SlaveErrorLog.h"
#include "text/TextBuffer.h"
#include "twin/TWin.h"

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
    StdFile file(path, "rb");
    if (!file.IsOpen())
        FailImage("Could not open the image file.");
    const size_t read = std::fread(buffer, 1, static_cast<size_t>(size), file.Get());
    file.Close();
    if (read < static_cast<size_t>(size))
        FailImage("Could not read the whole image file.");
    if (size == ImageSize)
        return buffer;
    if (size == HeaderedImageSize) {
        if (!HeaderValid(buffer))
            FailImage("The image has an invalid header.");
        if (!CrcValid(buffer + ImageHeaderSize, HeaderCrc(buffer), size - ImageHeaderSize))
            FailImage("The image is corrupt.  The CRC test failed.");
        return buffer + ImageHeaderSize;
    }
    FailImage("Image is the wrong size.");
}

UpgradeResult RunSlaveDownload(const char* path, TWin& window) {
    UpgradeResult result = Failed;
    window.SetText("Flash Update...", 1);
    Record("slave-progress", "Flash Update...");
    unsigned char* buffer = nullptr;
    try {
        buffer = new (std::nothrow) unsigned char[ImageBufferSize];
        if (buffer == nullptr)
            FailImage("new char [] (memory allocator) returned NULL.");
        const int32_t capacity = ImageBufferSize;
        DownloadToSlave(LoadSlaveImage(buffer, capacity, path), window);
        result = Success;
    } catch (const char* failure) {
        slaveErrorLog.AddMessage(failure);
        slaveErrorLog.ShowIn(window);
    }
    delete[] buffer;
    return result;
}

UpgradeResult UpgradeSlave(TWin& window) {
    TextBuffer path;
    path.Assign(ProgramFolder()).Append(SlaveImageFile);
    return RunSlaveDownload(path.CStr(), window);
}
