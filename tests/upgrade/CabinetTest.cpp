#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/disk/CabinetPack.h"
#include "upgrade/Cabinet.h"

namespace {
// A cabinet as an independent writer made it at build time (Debian's gcab, as the end-to-end rows
// use it): a.txt ("abc") and sub\b.txt ("de") in one folder, stored or compressed. Stored, its
// file table lies at 44 and 66, the folder's one data block at 92, 105 bytes in all.
std::string MadeCabinet(const char* name) {
    const std::string path = std::string("Z:") + ZR7_BUILD_DIR + "/cabinets/" + name;
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
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
    const std::string stored = MadeCabinet("stored.cab");
    ASSERT_EQ(105u, stored.size()) << "the cabinet the test takes apart";
    EXPECT_EQ(Listing(MadeCabinet("compressed.cab")), listed);
    for (const auto& c : cases) {
        std::string bytes = stored;
        if (c.value != 0)
            bytes[c.at] = static_cast<char>(c.value);
        else
            bytes.resize(c.at);
        EXPECT_EQ(Listing(bytes), c.listing) << c.what;
    }
    std::string empty = stored;
    empty[28] = 0; // a whole cabinet whose file table lists nothing
    EXPECT_EQ(Listing(empty), "it lists no file");
    // Areas reserved in the header, in each folder entry and in each data block, as the system's
    // cabinet library writes them (gcab reserves none): each file in a folder of its own, the
    // last in two data blocks.
    const std::string made = std::string("Z:") + ZR7_BUILD_DIR + "\\cabinets\\";
    if (FILE* big = std::fopen((made + "big.bin").c_str(), "wb")) {
        std::fwrite(std::string(40000, 'B').data(), 1, 40000, big);
        std::fclose(big);
    }
    std::string fault;
    ASSERT_TRUE(PackCabinet(made + "reserved.cab",
                            {{made + "files\\a.txt", "a.txt"},
                             {made + "files\\sub\\b.txt", "sub\\b.txt"},
                             {made + "big.bin", "big.bin"}},
                            {0x2A21, 0, false, 20, 4, 8, 1}, made, fault))
        << fault;
    EXPECT_EQ(Listing(MadeCabinet("reserved.cab")), listed + "big.bin 40000; ");
    // Names that the cabinet tool would write outside its destination, or not at all; the
    // system's cabinet library writes them as given.
    const struct {
        const char* name;
        std::string listing;
    } names[] = {
        {"", "file entry 2 of 2 has no name"},
        {"..\\..\\WINDOWS\\evil.txt",
         "..\\..\\WINDOWS\\evil.txt lands outside the destination folder"},
        {"sub\\..", "sub\\.. lands outside the destination folder"},
        {"\\WINDOWS\\x", "\\WINDOWS\\x lands outside the destination folder"},
        {"C:\\WINDOWS\\x", "C:\\WINDOWS\\x lands outside the destination folder"},
        {"x.txt:hidden", "x.txt:hidden lands outside the destination folder"},
        {"..x\\.\\y..", "a.txt 3; ..x\\.\\y.. 40000; "},
    };
    for (const auto& n : names) {
        ASSERT_TRUE(PackCabinet(made + "named.cab",
                                {{made + "files\\a.txt", "a.txt"}, {made + "big.bin", n.name}},
                                {0x2A21, 0, false}, made, fault))
            << fault;
        EXPECT_EQ(Listing(MadeCabinet("named.cab")), n.listing) << n.name;
    }
}
