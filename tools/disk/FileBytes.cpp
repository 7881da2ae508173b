#include "tools/disk/FileBytes.h"

#include <vector>

#include "common/Handles.h"

FileComparison CompareBytes(const std::string& first, const std::string& second) {
    StdFile files[2] = {{first.c_str(), "rb"}, {second.c_str(), "rb"}};
    FileComparison comparison = {{files[0].IsOpen(), files[1].IsOpen()}, {0, 0}, 0};
    std::vector<char> chunks[2] = {std::vector<char>(65536), std::vector<char>(65536)};
    bool differs = false;
    for (;;) {
        size_t read[2];
        for (int i = 0; i < 2; ++i)
            read[i] = files[i].IsOpen()
                          ? std::fread(chunks[i].data(), 1, chunks[i].size(), files[i].Get())
                          : 0;
        for (size_t at = 0; !differs && at < read[0] && at < read[1]; ++at)
            if (chunks[0][at] != chunks[1][at]) {
                differs = true;
                comparison.firstDifference = comparison.size[0] + at;
            }
        comparison.size[0] += read[0];
        comparison.size[1] += read[1];
        if (read[0] == 0 && read[1] == 0)
            break;
    }
    if (!differs)
        comparison.firstDifference =
            comparison.size[0] < comparison.size[1] ? comparison.size[0] : comparison.size[1];
    return comparison;
}

bool ReadWholeFile(const char* path, std::vector<unsigned char>& bytes, size_t limit) {
    bytes.clear();
    StdFile file(path, "rb");
    if (!file.IsOpen())
        return false;
    unsigned char chunk[65536];
    while (bytes.size() <= limit) {
        const size_t read = std::fread(chunk, 1, sizeof chunk, file.Get());
        bytes.insert(bytes.end(), chunk, chunk + read);
        if (read < sizeof chunk)
            return !std::ferror(file.Get()) && bytes.size() <= limit;
    }
    return false;
}

bool WriteWholeFile(const char* path, const std::vector<unsigned char>& bytes) {
    StdFile file(path, "wb");
    const bool written =
        file.IsOpen() && std::fwrite(bytes.data(), 1, bytes.size(), file.Get()) == bytes.size();
    return file.Close() && written;
}
