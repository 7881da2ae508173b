#include "upgrade/Preconditions.h"

#include <windows.h>

#include <cstdio>

#include "common/Handles.h"
#include "common/UpgradeDisk.h"
#include "upgrade/Extraction.h"
#include "upgrade/OptionTable.h"
#include "upgrade/RoadPaths.h"
#include "upgrade/RoadSteps.h"

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
} // namespace

bool ReadDiskInfo(const char* path, int32_t& optionCode, float& optionValue) {
    optionCode = 0;
    optionValue = 0;
    StdFile file(path, "rt");
    if (!file.IsOpen())
        return false;
    float code = 0;
    ReadLine(file.Get(), code);
    ReadLine(file.Get(), optionValue);
    // A number beyond the integer range has no integer part to take; it counts as no code.
    if (code > -2147483648.0f && code < 2147483648.0f)
        optionCode = static_cast<int32_t>(code);
    return true;
}

UpgradeResult CheckUpgradePreconditions(RoadSteps& steps, const std::string& diskFolder,
                                        int32_t& optionCode, double& optionValue) {
    const std::string diskInfo = diskFolder + DiskInfoFile;
    float value = 0;
    const bool opened = ReadDiskInfo(diskInfo.c_str(), optionCode, value);
    optionValue = value;
    steps.DiskInfoRead(diskInfo.c_str(), opened, optionCode, value);

    const OptionSteps option = StepsForOption(optionCode);
    if (option.extractWinSxS) {
        // Without the tool or the archive the preparation is skipped without a word.
        const Extraction winSxS = ExtractionOf(diskFolder, WinSxSArchive, WindowsFolder, nullptr);
        if (!winSxS.onDisk)
            steps.NotExtracted(winSxS, "missing");
        else if (steps.StartExtraction(winSxS))
            steps.WaitForChild();
    }
    if (option.optionFolder != nullptr)
        steps.RemoveFolderTree(option.optionFolder);
    return steps.TestInstrument(optionCode, optionValue);
}
