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

// A cabinet as the format lays it out: the header with `extra` behind its fixed part, one folder
// of one stored data block "abcde" (entries padded by the reserve sizes), then the file table:
// a.txt (bytes 0 to 2 of the folder) and sub\b.txt (bytes 3 and 4). Without extra and reserves:
// coffFiles at 16, cFiles at 28, folder entry at 36, block at 44, file entries at 57 and 79,
// the last name ends at 104.
Bytes Cabinet(uint16_t flags = 0, const std::string& extra = "", unsigned folderReserve = 0,
              unsigned dataReserve = 0) {
    const uint32_t folder = 36 + extra.size(), data = folder + 8 + folderReserve,
                   files = data + 8 + dataReserve + 5;
    Bytes b;
    b.Add("MSCF").U32(0).U32(files + 48).U32(0).U32(files).U32(0).U16(0x0103).U16(1).U16(2);
    b.U16(flags).U32(0).Add(extra).U32(data).U16(1).U16(0).Add(std::string(folderReserve, 0));
    b.U32(0).U16(5).U16(5).Add(std::string(dataReserve, 0)).Add("abcde");
    b.U32(3).U32(0).U16(0).U32(0).U16(0x20).Add(std::string("a.txt", 6));
    b.U32(2).U32(3).U16(0).U32(0).U16(0x20).Add(std::string("sub\\b.txt", 10));
    return b;
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "cab-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string Listing(const std::string& bytes) {
    const std::string path = TempPath("test.cab");
    WriteBytes(path, bytes);
    std::vector<CabinetFile> files;
    std::string fault, listing;
    const bool whole = ReadCabinet(path.c_str(), files, fault);
    for (const CabinetFile& file : files)
        listing += file.name + " " + std::to_string(file.size) + "; ";
    DeleteFileA(path.c_str());
    return whole ? listing : "damaged: " + fault;
}
} // namespace

TEST(Cabinet, WholeByWhatItDeclares) {
    const std::string listed = "a.txt 3; sub\\b.txt 2; ";
    struct Case {
        const char* what;
        size_t at; // byte set to value; or, with value 0, the file cut to this length
        uint8_t value;
        bool whole;
    } cases[] = {
        {"as made", 0, 'M', true},
        {"bytes beyond the declared end", 106, 0, true},
        {"no signature", 0, 'X', false},
        {"cut at 60 %", 63, 0, false},
        {"declared size beyond the file", 8, 200, false},
        {"file table beyond the end", 16, 200, false},
        {"more files than the table holds", 28, 3, false},
        {"folder index beyond the folders", 87, 1, false},
        {"folder data beyond the end", 36, 200, false},
        {"more blocks than the cabinet holds", 40, 200, false},
        {"block bytes beyond the end", 48, 60, false},
        {"files beyond the folder's data", 50, 4, false},
        {"last name not terminated", 104, 'x', false},
    };
    for (const Case& c : cases) {
        Bytes bytes = Cabinet();
        if (c.value != 0)
            bytes[c.at] = static_cast<char>(c.value);
        else
            bytes.resize(c.at);
        const std::string listing = Listing(bytes);
        EXPECT_EQ(listing == listed, c.whole) << c.what << ": " << listing;
    }
    EXPECT_EQ(Listing(Bytes().Add("not a cabinet")), "damaged: not a cabinet");
    // Reserve areas in header, folder and blocks, and the names of the next cabinet of a set.
    const std::string extra("\x04\x00\x02\x03RSV!ZR7KMSYS2.cab\0DISK 2\0", 29);
    EXPECT_EQ(Listing(Cabinet(0x0006, extra, 2, 3)), listed);
}

TEST(Cabinet, ExtractedFilesNeedTheirListedSizes) {
    const std::string cabinet = TempPath("check.cab"), folder = TempPath("out");
    WriteBytes(cabinet, Cabinet());
    std::vector<CabinetFile> files;
    std::string fault;
    ASSERT_TRUE(ReadCabinet(cabinet.c_str(), files, fault)) << fault;
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
    WriteBytes(folder + "\\a.txt", "abc");
    const std::string last = folder + "\\sub\\b.txt";
    WriteBytes(last, "de");
    EXPECT_TRUE(CheckExtracted(folder.c_str(), files, fault)) << fault;
    WriteBytes(last, "d");
    EXPECT_FALSE(CheckExtracted(folder.c_str(), files, fault));
    DeleteFileA(last.c_str());
    EXPECT_FALSE(CheckExtracted(folder.c_str(), files, fault));
    CreateDirectoryA(last.c_str(), nullptr);
    EXPECT_FALSE(CheckExtracted(folder.c_str(), files, fault));
    EXPECT_EQ(fault, last + " is not a file of 2 bytes");
    RemoveDirectoryA(last.c_str());
    DeleteFileA((folder + "\\a.txt").c_str());
    RemoveDirectoryA((folder + "\\sub").c_str());
    RemoveDirectoryA(folder.c_str());
    DeleteFileA(cabinet.c_str());
}
