#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How two files stand byte for byte.
struct FileComparison {
    bool exists[2]; // each could be opened
    uint64_t size[2];
    // The offset of the first byte that differs within the shorter one's length, or that length
    // when the longer begins with the whole of the shorter.
    uint64_t firstDifference;

    bool Same() const {
        return exists[0] && exists[1] && size[0] == size[1] && firstDifference == size[0];
    }
    bool OtherBytes() const { return firstDifference < size[0] && firstDifference < size[1]; }
};

FileComparison CompareBytes(const std::string& first, const std::string& second);

// A file's bytes, up to limit of them; false when it cannot be read whole or is longer.
bool ReadWholeFile(const char* path, std::vector<unsigned char>& bytes, size_t limit);

// True when the file was written whole (a new file, or an existing one replaced).
bool WriteWholeFile(const char* path, const std::vector<unsigned char>& bytes);
