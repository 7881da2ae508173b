#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "upgrade/Cabinet.h"

namespace {
struct Bytes : std::string {
    Bytes& U16(unsigned v) {
        push_back(static_cast<char>(v & 0xFF));
        push_back(static_cast<char>(v >> 8));
        return *this;
    }
    Bytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    Bytes& Add(const std::string& bytes) {
        append(bytes);
        return *this;
    }
};

// A cabinet as cabinet tools lay it out: the header with `extra` behind its fixed part, one folder
// entry, the file table (a.txt, bytes 0 to 2 of the folder, and sub\b.txt, bytes 3 and 4), then
// the folder's one stored data block "abcde"; entries padded by the reserve sizes. Without extra
// and reserves: coffFiles at 16, cFiles at 28, the folder entry at 36, file entries at 44 and 66,
// the data block at 92, 105 bytes in all.
Bytes Cabinet(uint16_t flags = 0, const std::string& extra = "", unsigned folderReserve = 0,
              unsigned dataReserve = 0) {
    const uint32_t files = 36 + extra.size() + 8 + folderReserve, data = files + 48;
    Bytes b;
    b.Add("MSCF").U32(0).U32(data + 8 + dataReserve + 5).U32(0).U32(files).U32(0).U16(0x0103);
    b.U16(1).U16(2).U16(flags).U32(0).Add(extra).U32(data).U16(1).U16(0);
    b.Add(std::string(folderReserve, 0));
    b.U32(3).U32(0).U16(0).U32(0).U16(0x20).Add(std::string("a.txt", 6));
    b.U32(2).U32(3).U16(0).U32(0).U16(0x20).Add(std::string("sub\\b.txt", 10));
    b.U32(0).U16(5).U16(5).Add(std::string(dataReserve, 0)).Add("abcde");
    return b;
}

// The files as "name size; " each, or the fault.
std::string Listing(const std::string& bytes) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "cab-" + std::to_string(GetCurrentProcessId());
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    std::vector<CabinetFile> files;
    std::string fault, listing;
    const bool whole = ReadCabinet(path.c_str(), files, fault);
    for (const CabinetFile& listed : files)
        listing += listed.name + " " + std::to_string(listed.size) + "; ";
    DeleteFileA(path.c_str());
    return whole ? listing : fault;
}
} // namespace

TEST(Cabinet, WholeByWhatItDeclares) {
    const std::string listed = "a.txt 3; sub\\b.txt 2; ", folder = "folder 1 of 1 or its data";
    const struct {
        const char* what;
        size_t at; // the byte set to value; or, with value 0, the file cut to this length
        uint8_t value;
        std::string listing;
    } cases[] = {
        {"as made", 0, 'M', listed},
        {"a byte beyond the declared end", 106, 0, listed},
        {"no signature", 0, 'X', "not a cabinet"},
        {"cut in the data", 102, 0, "cut short: it declares 105 bytes, the file has 102"},
        {"file table beyond the end", 16, 200, "file entry 1 of 2 runs past its end"},
        {"name running to the end", 16, 85, "the name of file entry 1 of 2 runs past its end"},
        {"more files than the table holds", 28, 3, "file entry 3 of 3 runs past its end"},
        {"folder index beyond the folders", 74, 1, "sub\\b.txt lies in no folder of this cabinet"},
        {"folder data beyond the end", 36, 200, folder + " runs past its end"},
        {"more blocks than the cabinet holds", 40, 2, folder + " runs past its end"},
        {"block bytes beyond the end", 96, 60, folder + " runs past its end"},
        {"files beyond the folder's data", 98, 4, "its data does not hold all of sub\\b.txt"},
    };
    for (const auto& c : cases) {
        Bytes bytes = Cabinet();
        if (c.value != 0)
            bytes[c.at] = static_cast<char>(c.value);
        else
            bytes.resize(c.at);
        EXPECT_EQ(Listing(bytes), c.listing) << c.what;
    }
    Bytes empty = Cabinet();
    empty[28] = 0; // a whole cabinet whose file table lists nothing
    EXPECT_EQ(Listing(empty), "it lists no file");
    // Reserve areas in header, folder and blocks, and the names of the next cabinet of a set.
    const std::string extra("\x04\x00\x02\x03RSV!ZR7KMSYS2.cab\0DISK 2\0", 29);
    Bytes reserved = Cabinet(0x0006, extra, 2, 3);
    EXPECT_EQ(Listing(reserved), listed);
    // Two bytes fewer, and the block with its reserve area no longer fits.
    reserved[8] = static_cast<char>(reserved[8] - 2);
    reserved.resize(reserved.size() - 2);
    EXPECT_EQ(Listing(reserved), folder + " runs past its end");
}
