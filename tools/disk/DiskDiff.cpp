#include "tools/disk/DiskDiff.h"

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/Files.h"
#include "common/UpgradeDisk.h"
#include "slave/ImageCheck.h"
#include "slave/SlaveImage.h"
#include "tools/disk/CabinetUnpack.h"
#include "tools/disk/DiskWord.h"
#include "tools/disk/FileBytes.h"
#include "tools/disk/OptionText.h"
#include "tools/disk/SourceFolder.h"
#include "tools/disk/TemporaryFolder.h"
#include "upgrade/Cabinet.h"
#include "upgrade/Preconditions.h"

namespace {
const char* const Archives[] = {SystemArchive, WinSxSArchive};
const char* const Copies[] = {ProgramFile, ExtractTool};

std::string Number(uint64_t n) { return std::to_string(n); }

// A disk with its cabinets unpacked, each into a folder of its own, and their files' names.
struct Disk {
    std::string folder;
    const char* side;
    std::string unpacked[2]; // empty where the disk has no such cabinet
    std::vector<std::string> names[2];
};

// False, with the reason in fault, when a cabinet the disk holds cannot be read.
bool Unpack(Disk& disk, const std::string& temporary, std::string& fault) {
    for (int i = 0; i < 2; ++i) {
        const std::string cabinet = disk.folder + Archives[i];
        if (!FileExists(cabinet.c_str()))
            continue;
        std::vector<CabinetFile> listed;
        disk.unpacked[i] = temporary + "\\" + disk.side + Number(i);
        if (!ReadCabinet(cabinet.c_str(), listed, fault) ||
            !CreateDirectoryA(disk.unpacked[i].c_str(), nullptr) ||
            !UnpackCabinet(cabinet, disk.unpacked[i], disk.names[i], fault)) {
            fault = cabinet + ": " + (fault.empty() ? "cannot be unpacked" : fault);
            return false;
        }
    }
    return true;
}

std::string Reading(bool opened, int32_t code, float value) {
    char text[96];
    std::snprintf(text, sizeof text, "%soption code %d, value %g",
                  opened ? "" : "missing: ", static_cast<int>(code), static_cast<double>(value));
    return text;
}

bool DiffDiskInfo(const Disk& a, const Disk& b) {
    int32_t codes[2];
    float values[2];
    const bool opened[2] = {ReadDiskInfo((a.folder + DiskInfoFile).c_str(), codes[0], values[0]),
                            ReadDiskInfo((b.folder + DiskInfoFile).c_str(), codes[1], values[1])};
    const std::string readings[2] = {Reading(opened[0], codes[0], values[0]),
                                     Reading(opened[1], codes[1], values[1])};
    const FileComparison bytes = CompareBytes(a.folder + DiskInfoFile, b.folder + DiskInfoFile);
    if (bytes.Same() || (!opened[0] && !opened[1])) {
        std::printf("DiskInfo.txt: the same (%s)\n", readings[0].c_str());
        return false;
    }
    if (opened[0] == opened[1] && codes[0] == codes[1] && values[0] == values[1]) {
        std::printf("DiskInfo.txt: other bytes, which the program reads as the same %s\n",
                    readings[0].c_str());
        return true;
    }
    std::printf("DiskInfo.txt: %s -> %s\n", readings[0].c_str(), readings[1].c_str());
    const OptionText texts[2] = {DescribeOption(codes[0], values[0]),
                                 DescribeOption(codes[1], values[1])};
    const struct {
        const char* what;
        std::string OptionText::*line;
    } lines[] = {{"installation", &OptionText::installation},
                 {"preparations", &OptionText::preparations},
                 {"tests", &OptionText::tests},
                 {"build folder label", &OptionText::label}};
    for (const auto& line : lines)
        if (texts[0].*line.line != texts[1].*line.line)
            std::printf("    %s: %s -> %s\n", line.what, (texts[0].*line.line).c_str(),
                        (texts[1].*line.line).c_str());
    return true;
}

// Each file by its name as the instrument compares names, in the order the make packs them.
bool DiffCabinet(int archive, const Disk& a, const Disk& b) {
    const char* name = Archives[archive] + 1;
    const std::string &from = a.unpacked[archive], &to = b.unpacked[archive];
    if (from.empty() && to.empty()) {
        std::printf("%s: on neither disk\n", name);
        return false;
    }
    std::map<std::string, std::pair<std::string, std::string>,
             bool (*)(const std::string&, const std::string&)>
        files(InstrumentOrder);
    for (const std::string& file : a.names[archive])
        files[NameKey(file)].first = file;
    for (const std::string& file : b.names[archive])
        files[NameKey(file)].second = file;
    std::vector<std::string> lines;
    unsigned added = 0, removed = 0, changed = 0, same = 0;
    for (const auto& file : files) {
        const std::string &old = file.second.first, &now = file.second.second;
        const FileComparison c = CompareBytes(from + "\\" + old, to + "\\" + now);
        if (now.empty()) {
            ++removed;
            lines.push_back("removed " + old + " (" + Number(c.size[0]) + " bytes)");
        } else if (old.empty()) {
            ++added;
            lines.push_back("added " + now + " (" + Number(c.size[1]) + " bytes)");
        } else if (!c.Same() || old != now) {
            ++changed;
            std::string line = "changed " + old + (old != now ? " -> " + now : "") + ": ";
            line += c.size[0] == c.size[1]
                        ? Number(c.size[0]) + " bytes"
                        : Number(c.size[0]) + " -> " + Number(c.size[1]) + " bytes";
            if (c.OtherBytes())
                line += ", first other byte at offset " + Number(c.firstDifference);
            lines.push_back(line);
        } else {
            ++same;
        }
    }
    if (lines.empty()) {
        const bool identical =
            CompareBytes(a.folder + Archives[archive], b.folder + Archives[archive]).Same();
        std::printf("%s: the same %u file%s%s\n", name, same, same == 1 ? "" : "s",
                    identical ? "" : ", but other bytes (the files' dates or the compression)");
        return !identical;
    }
    std::printf("%s: %s%u added, %u removed, %u changed, %u the same\n", name,
                from.empty() ? "only on the new disk: "
                : to.empty() ? "only on the old disk: "
                             : "",
                added, removed, changed, same);
    for (const std::string& line : lines)
        std::printf("    %s\n", line.c_str());
    return true;
}

// The 131,072 image bytes of a file the program takes, or null.
const unsigned char* ImageOf(const std::vector<unsigned char>& file) {
    if (file.size() == ImageSize)
        return file.data();
    return file.size() == HeaderedImageSize ? file.data() + ImageHeaderSize : nullptr;
}

std::string Crc(const unsigned char* image) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(Crc32(image, ImageSize)));
    return text;
}

bool DiffImage(const Disk& a, const Disk& b) {
    const std::string paths[2] = {a.folder + SlaveImageFile, b.folder + SlaveImageFile};
    const FileComparison c = CompareBytes(paths[0], paths[1]);
    // An image the program takes is no longer than its buffer.
    std::vector<unsigned char> files[2];
    const unsigned char* images[2];
    for (int i = 0; i < 2; ++i)
        images[i] = ReadWholeFile(paths[i].c_str(), files[i], ImageBufferSize) ? ImageOf(files[i])
                                                                               : nullptr;
    const auto describe = [&](int i) {
        return images[i] ? "CRC-32 " + Crc(images[i])
                         : Number(c.size[i]) + " bytes, no image the program takes";
    };
    if (!c.exists[0] && !c.exists[1]) {
        std::printf("SLAVE.BIN: on neither disk\n");
        return false;
    }
    if (!c.exists[0] || !c.exists[1]) {
        std::printf("SLAVE.BIN: only on the %s disk (%s)\n", c.exists[0] ? "old" : "new",
                    describe(c.exists[0] ? 0 : 1).c_str());
        return true;
    }
    if (c.Same()) {
        std::printf("SLAVE.BIN: the same (%s)\n", describe(0).c_str());
        return false;
    }
    std::string line = describe(0) + " -> " + describe(1);
    if (images[0] && images[1]) {
        unsigned bytes = 0, blocks = 0;
        for (int block = 0; block < ImageSize / 256; ++block) {
            unsigned inBlock = 0;
            for (int i = block * 256; i < (block + 1) * 256; ++i)
                inBlock += images[0][i] != images[1][i];
            bytes += inBlock;
            blocks += inBlock != 0;
        }
        line += ", " + Number(bytes) + (bytes == 1 ? " byte differs" : " bytes differ") + ", in " +
                Number(blocks) + " of 512 blocks of 256";
        if (files[0].size() != files[1].size())
            line += files[0].size() == ImageSize ? "; raw -> with header" : "; with header -> raw";
        else if (bytes == 0)
            line += "; other header bytes";
    }
    std::printf("SLAVE.BIN: %s\n", line.c_str());
    return true;
}

bool DiffCopy(const char* file, const Disk& a, const Disk& b) {
    const FileComparison c = CompareBytes(a.folder + file, b.folder + file);
    if (!c.exists[0] && !c.exists[1]) {
        std::printf("%s: on neither disk\n", file + 1);
        return false;
    }
    if (!c.exists[0] || !c.exists[1]) {
        std::printf("%s: only on the %s disk (%s bytes)\n", file + 1, c.exists[0] ? "old" : "new",
                    Number(c.size[c.exists[0] ? 0 : 1]).c_str());
        return true;
    }
    if (c.Same())
        std::printf("%s: the same (%s bytes)\n", file + 1, Number(c.size[0]).c_str());
    else
        std::printf("%s: other bytes, %s -> %s bytes\n", file + 1, Number(c.size[0]).c_str(),
                    Number(c.size[1]).c_str());
    return !c.Same();
}
} // namespace

int DiffDisks(const char* oldDisk, const char* newDisk) {
    Disk disks[2] = {{"", "old", {}, {}}, {"", "new", {}, {}}};
    const char* given[2] = {oldDisk, newDisk};
    for (int i = 0; i < 2; ++i) {
        if (!FullDiskFolder(given[i], disks[i].folder)) {
            std::printf("verdict: the %s disk cannot be read: %s is not a folder\n", disks[i].side,
                        given[i]);
            return 2;
        }
        std::printf("%s disk %s\n", disks[i].side, disks[i].folder.c_str());
    }
    std::printf("\n");
    const TemporaryFolder temporary("diff");
    for (Disk& disk : disks) {
        std::string fault;
        if (!temporary.IsOpen() || !Unpack(disk, temporary.Path(), fault)) {
            std::printf("verdict: the %s disk cannot be read: %s\n", disk.side,
                        temporary.IsOpen() ? fault.c_str() : "no temporary folder to unpack in");
            return 2;
        }
    }
    std::vector<std::string> differing;
    if (DiffDiskInfo(disks[0], disks[1]))
        differing.push_back("DiskInfo.txt");
    for (int i = 0; i < 2; ++i)
        if (DiffCabinet(i, disks[0], disks[1]))
            differing.push_back(Archives[i] + 1);
    if (DiffImage(disks[0], disks[1]))
        differing.push_back("SLAVE.BIN");
    for (const char* file : Copies)
        if (DiffCopy(file, disks[0], disks[1]))
            differing.push_back(file + 1);
    if (differing.empty()) {
        std::printf("verdict: the same\n");
        return 0;
    }
    std::string list;
    for (const std::string& each : differing)
        list += (list.empty() ? "" : ", ") + each;
    std::printf("verdict: the disks differ in %s\n", list.c_str());
    return 1;
}
