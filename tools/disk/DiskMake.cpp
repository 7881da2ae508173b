#include "tools/disk/DiskMake.h"

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

#include "common/Handles.h"
#include "common/UpgradeDisk.h"
#include "tools/disk/DiskWord.h"
#include "tools/disk/FileBytes.h"
#include "tools/disk/ImageTool.h"
#include "tools/disk/MakeChecks.h"
#include "tools/disk/OptionText.h"
#include "tools/disk/TemporaryFolder.h"
#include "upgrade/Cabinet.h"
#include "upgrade/FolderTree.h"
#include "upgrade/Preconditions.h"

namespace {
bool TakeArguments(int argc, char** argv, MakeInputs& inputs) {
    if (argc < 1)
        return false;
    inputs.disk = argv[0];
    inputs.date = DefaultDiskDate;
    std::set<std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const int values = option == "--option" ? 2 : 1;
        if (!given.insert(option).second || i + values >= argc)
            return false;
        std::string* value = option == "--system"    ? &inputs.system
                             : option == "--option"  ? &inputs.code
                             : option == "--winsxs"  ? &inputs.winSxS
                             : option == "--slave"   ? &inputs.slave
                             : option == "--program" ? &inputs.program
                             : option == "--tool"    ? &inputs.tool
                             : option == "--date"    ? &inputs.date
                                                     : nullptr;
        if (value == nullptr)
            return false;
        *value = argv[++i];
        if (values == 2)
            inputs.value = argv[++i];
    }
    return given.count("--system") == 1 && given.count("--option") == 1;
}

// The disk's files carry the date too, at midnight as the system keeps its times (UTC), so that
// no time zone enters them either.
bool Stamp(const std::string& path, uint16_t dosDate) {
    FILETIME time;
    Handle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return DosDateTimeToFileTime(dosDate, 0, &time) && file.IsOpen() &&
           SetFileTime(file.Get(), &time, &time, &time);
}

bool WriteStamped(const std::string& path, const std::vector<unsigned char>& bytes,
                  uint16_t dosDate, std::string& fault) {
    if (WriteWholeFile(path.c_str(), bytes) && Stamp(path, dosDate))
        return true;
    fault = path + " cannot be written";
    return false;
}

bool CopyWhole(const std::string& from, const std::string& to, uint16_t dosDate,
               std::string& fault) {
    std::vector<unsigned char> bytes;
    if (ReadWholeFile(from.c_str(), bytes, 0x7FFFFFFF))
        return WriteStamped(to, bytes, dosDate, fault);
    fault = from + " cannot be read";
    return false;
}

bool Pack(const std::string& cabinet, const std::vector<PackedFile>& files, uint16_t dosDate,
          const std::string& temporary, std::string& fault) {
    const CabinetForm form = {dosDate, 0, true};
    return files.empty() ||
           (PackCabinet(cabinet, files, form, temporary, fault) && Stamp(cabinet, dosDate));
}

bool WriteDisk(const MakeContent& content, const std::string& temporary, std::string& fault) {
    const std::string& disk = content.building;
    const uint16_t date = content.dosDate;
    if (!CreateDirectoryA(disk.c_str(), nullptr)) {
        fault = disk + " cannot be created";
        return false;
    }
    const std::vector<unsigned char> diskInfo(content.diskInfo.begin(), content.diskInfo.end());
    return Pack(disk + SystemArchive, content.systemFiles, date, temporary, fault) &&
           Pack(disk + WinSxSArchive, content.winSxSFiles, date, temporary, fault) &&
           WriteStamped(disk + DiskInfoFile, diskInfo, date, fault) &&
           (content.image.empty() ||
            WriteStamped(disk + SlaveImageFile, content.image, date, fault)) &&
           CopyWhole(content.program, disk + ProgramFile, date, fault) &&
           CopyWhole(content.tool, disk + ExtractTool, date, fault);
}

// A cabinet as the program reads its header and tables, against the files it was made of.
bool ReadBackCabinet(const std::string& disk, const char* archive,
                     const std::vector<PackedFile>& files, const std::vector<uint32_t>& sizes) {
    const std::string path = disk + archive;
    std::vector<CabinetFile> listed;
    std::string fault;
    if (files.empty())
        return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    if (!ReadCabinet(path.c_str(), listed, fault)) {
        std::printf("%s: %s\n", archive + 1, fault.c_str());
        return false;
    }
    std::printf("%s holds %u file%s:\n", archive + 1, static_cast<unsigned>(listed.size()),
                listed.size() == 1 ? "" : "s");
    bool agrees = listed.size() == files.size();
    for (size_t i = 0; i < listed.size(); ++i) {
        const bool asMade =
            i < files.size() && listed[i].name == files[i].name && listed[i].size == sizes[i];
        std::printf("    %s (%u bytes)%s\n", listed[i].name.c_str(),
                    static_cast<unsigned>(listed[i].size), asMade ? "" : ": not as made");
        agrees = agrees && asMade;
    }
    return agrees;
}

bool ReadBackCopy(const std::string& copy, const std::string& source) {
    const FileComparison comparison = CompareBytes(copy, source);
    const char* name = copy.c_str() + copy.rfind('\\') + 1;
    std::printf("%s: %llu bytes, %s %s\n", name,
                static_cast<unsigned long long>(comparison.size[0]),
                comparison.Same() ? "the same as" : "other than", source.c_str());
    return comparison.Same();
}

// The disk read as the program reads it (the description file, the cabinets' header and
// tables, the image), printed; true when it holds what the inputs asked for.
bool ReadBack(const MakeContent& content, const std::string& disk) {
    int32_t code = 0;
    float value = 0;
    const std::string diskInfo = disk + DiskInfoFile;
    const bool opened = ReadDiskInfo(diskInfo.c_str(), code, value);
    PrintDiskInfo(diskInfo.c_str(), opened, code, value);
    bool agrees = opened && code == content.optionCode && value == content.optionValue;
    if (!agrees)
        std::printf("DiskInfo.txt: not as asked\n");
    const OptionText text = DescribeOption(code, value);
    std::printf("    installation: %s\n    preparations: %s\n    tests: %s\n    build folder "
                "label: %s\n",
                text.installation.c_str(), text.preparations.c_str(), text.tests.c_str(),
                text.label.c_str());
    agrees =
        ReadBackCabinet(disk, SystemArchive, content.systemFiles, content.systemSizes) && agrees;
    agrees =
        ReadBackCabinet(disk, WinSxSArchive, content.winSxSFiles, content.winSxSSizes) && agrees;
    if (!content.image.empty()) {
        const std::string image = disk + SlaveImageFile;
        const ImageVerdict verdict = JudgeImage(image.c_str());
        std::vector<unsigned char> bytes;
        const bool asMade = verdict.accepted && ReadWholeFile(image.c_str(), bytes, 1 << 20) &&
                            bytes == content.image;
        std::printf("SLAVE.BIN: %s%s\n", verdict.description.c_str(),
                    asMade ? "" : ": not as made");
        agrees = asMade && agrees;
    }
    agrees = ReadBackCopy(disk + ProgramFile, content.program) && agrees;
    return ReadBackCopy(disk + ExtractTool, content.tool) && agrees;
}

// Written beside DISK, read back there, then put in place: DISK is whole or not there at all.
int Build(const MakeContent& content, const std::string& temporary) {
    std::printf("every input checked; the disk is built in %s\n", content.building.c_str());
    std::string fault;
    if (!WriteDisk(content, temporary, fault)) {
        RemoveFolderTree(content.building.c_str());
        std::printf("%s; nothing written\n", fault.c_str());
        return 1;
    }
    std::printf("read back as the program reads it:\n");
    if (!ReadBack(content, content.building)) {
        RemoveFolderTree(content.building.c_str());
        std::printf("nothing written: the disk made does not hold what was asked for\n");
        return 1;
    }
    const bool emptyDisk = GetFileAttributesA(content.disk.c_str()) != INVALID_FILE_ATTRIBUTES;
    if ((emptyDisk && !RemoveDirectoryA(content.disk.c_str())) ||
        !MoveFileA(content.building.c_str(), content.disk.c_str())) {
        if (emptyDisk)
            CreateDirectoryA(content.disk.c_str(), nullptr);
        RemoveFolderTree(content.building.c_str());
        std::printf("%s cannot be put in place of %s; nothing written\n", content.building.c_str(),
                    content.disk.c_str());
        return 1;
    }
    std::printf("made %s\nplan it on the instrument: ZR7Disk plan %s\n", content.disk.c_str(),
                content.disk.c_str());
    return 0;
}
} // namespace

int MakeDisk(int argc, char** argv) {
    MakeInputs inputs;
    if (!TakeArguments(argc, argv, inputs))
        return -1;
    const TemporaryFolder temporary("make");
    if (!temporary.IsOpen()) {
        std::printf("no temporary folder %s; nothing written\n", temporary.Path().c_str());
        return 1;
    }
    MakeContent content;
    const std::vector<std::string> faults = CheckMakeInputs(inputs, temporary.Path(), content);
    for (const std::string& fault : faults)
        std::printf("refused: %s\n", fault.c_str());
    if (faults.empty())
        return Build(content, temporary.Path());
    std::printf("nothing written: %u faults\n", static_cast<unsigned>(faults.size()));
    return 2;
}
