#include "upgrade/Preconditions.h"

#include <windows.h>

#include <cstdio>
#include <sys/stat.h>

#include "text/TextBuffer.h"
#include "upgrade/ChildProcess.h"
#include "upgrade/FolderTree.h"
#include "upgrade/Measure.h"
#include "upgrade/ProgramFolder.h"

namespace {
// One "label number" line. The label has room for 11 characters: a longer one keeps its first
// 11 and the rest of the word is skipped, so the number after it is still read.
void ReadLine(FILE* file, float& number) {
    char label[12];
    if (std::fscanf(file, "%11s", label) != 1)
        return;
    std::fscanf(file, "%*[^ \t\n\v\f\r]");
    if (std::fscanf(file, "%f", &number) == 1)
        std::fscanf(file, " ");
}

bool Exists(const char* path) {
    struct _stat status;
    return _stat(path, &status) == 0;
}

void ExtractWinSxS() {
    TextBuffer tool, archive, commandLine;
    tool.Assign(ProgramFolder()).Append("\\extract.exe");
    archive.Assign(ProgramFolder()).Append("\\WinSxS.cab");
    if (!Exists(tool.CStr()) || !Exists(archive.CStr()))
        return;
    AppendCommandPath(commandLine, tool.CStr()).Append(" /E /Y /L c:/Windows").Append(" ");
    AppendCommandPath(commandLine, archive.CStr());
    if (HANDLE child = StartChild(commandLine.CStr()))
        WaitForChild(child);
}

const char* OptionFolder(int32_t optionCode) {
    switch (optionCode) {
    case 1001:
        return "C:\\ZR7KM\\OPTIONS\\DXF\\";
    case 1002:
        return "C:\\ZR7KM\\OPTIONS\\ZRPARASOLID\\";
    case 1003:
        return "C:\\ZR7KM\\OPTIONS\\ZRVerify\\";
    default:
        return nullptr;
    }
}
} // namespace

bool ReadDiskInfo(const char* path, int32_t& optionCode, float& optionValue) {
    optionCode = 0;
    optionValue = 0;
    FILE* file = std::fopen(path, "rt");
    if (file == nullptr)
        return false;
    float code = 0;
    ReadLine(file, code);
    ReadLine(file, optionValue);
    std::fclose(file);
    // A number beyond the integer range has no integer part to take; it counts as no code.
    if (code > -2147483648.0f && code < 2147483648.0f)
        optionCode = static_cast<int32_t>(code);
    return true;
}

UpgradeResult CheckUpgradePreconditions(int32_t& optionCode, double& optionValue) {
    TextBuffer diskInfo;
    diskInfo.Assign(ProgramFolder()).Append("\\DiskInfo.txt");
    float value = 0;
    ReadDiskInfo(diskInfo.CStr(), optionCode, value);
    optionValue = value;

    if (optionCode >= 1000 && optionCode <= 1003)
        ExtractWinSxS();
    if (const char* folder = OptionFolder(optionCode))
        RemoveFolderTree(folder);

    uint32_t freeMegabytes = 0, totalMegabytes = 0;
    QueryDiskMegabytes("C:\\", freeMegabytes, totalMegabytes);
    double memoryFigure = (MeasureTotalPhys() + 0.5) / 1024 + 1;

    if (optionCode == 1002 && memoryFigure < 150000.0)
        return Incompatible;
    if (optionCode == 1003 && totalMegabytes < 900)
        return Incompatible;
    if (optionCode >= 1001 && optionCode <= 1003 && freeMegabytes < optionValue + 1.0)
        return NoDiskSpace;
    return Success;
}

void QueryDiskMegabytes(const char* rootPath, uint32_t& freeMegabytes, uint32_t& totalMegabytes) {
    UINT type = GetDriveTypeA(rootPath);
    if (type != DRIVE_REMOVABLE && type != DRIVE_FIXED && type != DRIVE_RAMDISK)
        return;
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!MeasureDiskClusters(rootPath, sectorsPerCluster, bytesPerSector, freeClusters,
                             totalClusters)) {
        freeMegabytes = 0;
        totalMegabytes = 0;
        return;
    }
    uint64_t clusterBytes = uint64_t(sectorsPerCluster) * bytesPerSector;
    freeMegabytes = static_cast<uint32_t>(freeClusters * clusterBytes / 1048576);
    totalMegabytes = static_cast<uint32_t>(totalClusters * clusterBytes / 1048576);
}
