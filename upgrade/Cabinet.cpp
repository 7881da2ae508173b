#include "upgrade/Cabinet.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "common/Handles.h"

namespace {
const uint16_t PreviousCabinet = 0x0001, NextCabinet = 0x0002, ReservePresent = 0x0004;
const uint32_t FixedHeaderSize = 36, FolderEntrySize = 8, FileEntrySize = 16, BlockHeaderSize = 8;
// The longest file name, cabinet name or disk name the format allows, without its zero.
const uint32_t LongestName = 256;

uint16_t U16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const unsigned char* p) { return U16(p) | static_cast<uint32_t>(U16(p + 2)) << 16; }

// Reads only within the first `size` bytes of the file, so that nothing the cabinet declares
// can point past it.
class Extent {
  public:
    Extent(FILE* file, uint32_t size) : file(file), size(size) {}

    bool Holds(uint32_t offset, uint32_t count) const {
        return offset <= size && count <= size - offset;
    }

    bool Read(uint32_t offset, unsigned char* into, uint32_t count) {
        return Holds(offset, count) && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
               std::fread(into, 1, count, file) == count;
    }

    // A zero-terminated text at offset; end becomes the offset behind its zero.
    bool ReadText(uint32_t offset, std::string& text, uint32_t& end) {
        unsigned char buffer[LongestName + 1];
        if (!Holds(offset, 0))
            return false;
        const uint32_t count = size - offset < sizeof buffer ? size - offset : sizeof buffer;
        if (!Read(offset, buffer, count))
            return false;
        const void* zero = std::memchr(buffer, 0, count);
        if (zero == nullptr)
            return false;
        text.assign(reinterpret_cast<const char*>(buffer), static_cast<const char*>(zero));
        end = offset + static_cast<uint32_t>(text.size()) + 1;
        return true;
    }

  private:
    FILE* file;
    uint32_t size;
};

// Walks a folder's data blocks, each of which must lie within the cabinet, and adds up the bytes
// they unpack to.
bool ReadFolderData(Extent& cabinet, uint32_t offset, unsigned blocks, uint32_t reserve,
                    uint32_t& unpacked) {
    unpacked = 0;
    if (!cabinet.Holds(offset, 0))
        return false;
    for (unsigned i = 0; i < blocks; ++i) {
        unsigned char block[BlockHeaderSize];
        if (!cabinet.Read(offset, block, BlockHeaderSize) ||
            !cabinet.Holds(offset + BlockHeaderSize, reserve + U16(block + 4)))
            return false;
        offset += BlockHeaderSize + reserve + U16(block + 4);
        unpacked += U16(block + 6);
    }
    return true;
}

bool ReadTables(FILE* file, std::vector<CabinetFile>& files, std::string& fault) {
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        length = std::ftell(file);
    unsigned char header[FixedHeaderSize + 4];
    Extent whole(file, length < 0 ? 0 : static_cast<uint32_t>(length));
    if (!whole.Read(0, header, FixedHeaderSize) || std::memcmp(header, "MSCF", 4) != 0) {
        fault = "not a cabinet";
        return false;
    }
    const uint32_t declared = U32(header + 8);
    if (!whole.Holds(0, declared)) {
        fault = "cut short: it declares " + std::to_string(declared) + " bytes, the file has " +
                std::to_string(length);
        return false;
    }
    // From here on only what the cabinet declares counts.
    Extent cabinet(file, declared);
    const uint16_t flags = U16(header + 30);
    uint32_t offset = FixedHeaderSize, folderReserve = 0, dataReserve = 0;
    if (flags & ReservePresent) {
        if (!cabinet.Read(FixedHeaderSize, header + FixedHeaderSize, 4)) {
            fault = "its header runs past its end";
            return false;
        }
        offset += 4 + U16(header + FixedHeaderSize);
        folderReserve = header[FixedHeaderSize + 2];
        dataReserve = header[FixedHeaderSize + 3];
    }
    // The names of the cabinet before and after this one in a set, each with its disk name.
    const int neighbourNames = (flags & PreviousCabinet ? 2 : 0) + (flags & NextCabinet ? 2 : 0);
    std::string name;
    for (int i = 0; i < neighbourNames; ++i)
        if (!cabinet.ReadText(offset, name, offset)) {
            fault = "its header runs past its end";
            return false;
        }

    const unsigned folderCount = U16(header + 26), fileCount = U16(header + 28);
    // Nothing to install is no installation: the road would relabel and commit an unchanged C:.
    if (fileCount == 0) {
        fault = "it lists no file";
        return false;
    }
    std::vector<uint32_t> folderBytes(folderCount);
    for (unsigned i = 0; i < folderCount; ++i, offset += FolderEntrySize + folderReserve) {
        unsigned char entry[FolderEntrySize];
        if (!cabinet.Read(offset, entry, FolderEntrySize) ||
            !ReadFolderData(cabinet, U32(entry), U16(entry + 4), dataReserve, folderBytes[i])) {
            fault = "folder " + std::to_string(i + 1) + " of " + std::to_string(folderCount) +
                    " or its data runs past its end";
            return false;
        }
    }
    offset = U32(header + 16);
    for (unsigned i = 0; i < fileCount; ++i) {
        unsigned char entry[FileEntrySize];
        CabinetFile listed;
        const std::string entryName =
            "file entry " + std::to_string(i + 1) + " of " + std::to_string(fileCount);
        if (!cabinet.Read(offset, entry, FileEntrySize)) {
            fault = entryName + " runs past its end";
            return false;
        }
        if (!cabinet.ReadText(offset + FileEntrySize, listed.name, offset)) {
            fault = "the name of " + entryName + " runs past its end";
            return false;
        }
        // The cabinet tool writes such a file where its name leads, and the check after the
        // extraction would find it there all the same; a file without a name is no file.
        if (!StaysInside(listed.name)) {
            fault = listed.name.empty() ? entryName + " has no name"
                                        : listed.name + " lands outside the destination folder";
            return false;
        }
        listed.size = U32(entry);
        const uint32_t start = U32(entry + 4);
        const unsigned folder = U16(entry + 8);
        // Indexes beyond the folders mark a file continued from or into another cabinet.
        if (folder >= folderCount) {
            fault = listed.name + " lies in no folder of this cabinet";
            return false;
        }
        if (start > folderBytes[folder] || listed.size > folderBytes[folder] - start) {
            fault = "its data does not hold all of " + listed.name;
            return false;
        }
        files.push_back(listed);
    }
    return true;
}
} // namespace

bool StaysInside(const std::string& name) {
    if (name.empty() || name[0] == '\\' || name[0] == '/' || name.find(':') != std::string::npos)
        return false;
    for (size_t start = 0;;) {
        const size_t end = name.find_first_of("\\/", start);
        if (name.compare(start, end - start, "..") == 0)
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

bool ReadCabinet(const char* path, std::vector<CabinetFile>& files, std::string& fault) {
    files.clear();
    fault.clear();
    StdFile file(path, "rb");
    if (!file.IsOpen()) {
        fault = "cannot be opened";
        return false;
    }
    const bool whole = ReadTables(file.Get(), files, fault);
    if (!whole)
        files.clear();
    return whole;
}

bool CheckExtracted(const char* folder, const std::vector<CabinetFile>& files, std::string& fault) {
    for (const CabinetFile& listed : files) {
        const std::string path = std::string(folder) + "\\" + listed.name;
        struct _stat status;
        if (_stat(path.c_str(), &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG ||
            static_cast<unsigned long>(status.st_size) != listed.size) {
            fault = path + " is not a file of " + std::to_string(listed.size) + " bytes";
            return false;
        }
    }
    return true;
}
