#include "tools/disk/ImageTool.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>
#include <vector>

#include "common/Handles.h"
#include "slave/ImageCheck.h"
#include "slave/SlaveErrorLog.h"
#include "slave/SlaveImage.h"
#include "tools/disk/FileBytes.h"

namespace {
std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string Describe(const std::vector<unsigned char>& buffer, long size) {
    char text[160];
    if (size == ImageSize) {
        std::snprintf(text, sizeof text,
                      "raw image of %ld bytes, no header: no CRC test (its CRC-32 is %s)", size,
                      Hex(Crc32(buffer.data(), ImageSize)).c_str());
        return text;
    }
    if (size != HeaderedImageSize) {
        std::snprintf(text, sizeof text, "%ld bytes: neither %d (raw) nor %d (with header)", size,
                      ImageSize, HeaderedImageSize);
        return text;
    }
    std::snprintf(text, sizeof text,
                  "image of %d bytes behind a %d-byte header; magic %02X %02X (%s); CRC found %s, "
                  "computed %s",
                  ImageSize, ImageHeaderSize, buffer[0], buffer[1],
                  HeaderValid(buffer.data()) ? "valid" : "invalid",
                  Hex(HeaderCrc(buffer.data())).c_str(),
                  Hex(Crc32(buffer.data() + ImageHeaderSize, ImageSize)).c_str());
    return text;
}
} // namespace

ImageVerdict JudgeImage(const char* path) {
    // The program's own loader decides; a log of its own keeps its numbering at line 1, as on a
    // fresh run of the program.
    std::vector<unsigned char> buffer(ImageBufferSize);
    ImageVerdict verdict = {true, "", ""};
    try {
        LoadSlaveImage(buffer.data(), ImageBufferSize, path);
    } catch (const char* failure) {
        SlaveErrorLog log;
        log.AddMessage(failure);
        verdict.accepted = false;
        verdict.logLine = log.MessageText();
        verdict.logLine.pop_back();
    }
    struct _stat status;
    if (_stat(path, &status) != 0) {
        verdict.description = "no such file";
    } else if (status.st_size > ImageBufferSize) {
        verdict.description = std::to_string(status.st_size) + " bytes: too large to be read";
    } else {
        std::vector<unsigned char> data(ImageBufferSize);
        StdFile file(path, "rb");
        const size_t read = file.IsOpen() ? std::fread(data.data(), 1, data.size(), file.Get()) : 0;
        verdict.description = read == static_cast<size_t>(status.st_size)
                                  ? Describe(data, status.st_size)
                                  : std::to_string(status.st_size) + " bytes: cannot be read";
    }
    return verdict;
}

int CheckImage(const char* path) {
    const ImageVerdict verdict = JudgeImage(path);
    std::printf("%s: %s\n", path, verdict.description.c_str());
    if (verdict.accepted) {
        std::printf("accepted: the upgrade program would send this image to the slave board\n");
        return 0;
    }
    std::printf("refused: the upgrade program would log \"%s\"\n", verdict.logLine.c_str());
    return 1;
}

std::vector<unsigned char> HeaderedImage(const unsigned char* image) {
    std::vector<unsigned char> file(HeaderedImageSize, 0);
    std::copy(image, image + ImageSize, file.begin() + ImageHeaderSize);
    file[0] = ImageMagic & 0xFF;
    file[1] = ImageMagic >> 8;
    const uint32_t crc = Crc32(file.data() + ImageHeaderSize, ImageSize);
    for (int i = 0; i < 4; ++i)
        file[4 + i] = static_cast<unsigned char>(crc >> (8 * i));
    return file;
}

int WrapImage(const char* rawPath, const char* outputPath) {
    struct _stat status;
    if (_stat(rawPath, &status) != 0) {
        std::printf("%s: no such file; nothing written\n", rawPath);
        return 1;
    }
    if (status.st_size != ImageSize) {
        std::printf("%s is %ld bytes; a raw image must be exactly %d bytes; nothing written\n",
                    rawPath, static_cast<long>(status.st_size), ImageSize);
        return 1;
    }
    std::vector<unsigned char> raw;
    if (!ReadWholeFile(rawPath, raw, ImageSize) || raw.size() != ImageSize) {
        std::printf("%s cannot be read; nothing written\n", rawPath);
        return 1;
    }
    const std::vector<unsigned char> file = HeaderedImage(raw.data());

    // Written beside the output and renamed over it, so that an existing file is replaced only
    // by a complete one.
    const std::string temporary = std::string(outputPath) + ".tmp";
    if (!WriteWholeFile(temporary.c_str(), file) ||
        !MoveFileExA(temporary.c_str(), outputPath, MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(temporary.c_str());
        std::printf("%s cannot be written; it is left as it was\n", outputPath);
        return 1;
    }
    std::printf("wrote %s: %d bytes, CRC-32 %s\n", outputPath, HeaderedImageSize,
                Hex(HeaderCrc(file.data())).c_str());
    return CheckImage(outputPath);
}
