#include "upgrade/Preconditions.h"

#include <windows.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/Handles.h"
#include "common/UpgradeDisk.h"
#include "upgrade/Extraction.h"
#include "upgrade/OptionTable.h"
#include "upgrade/RoadPaths.h"
#include "upgrade/RoadSteps.h"

namespace {
// A number as the instrument's C library scans "%f": a sign, digits, a point and digits, an
// exponent. Other libraries also take "nan", "inf" and hexadecimal forms, which the instrument
// reads as no number and leaves in the file; a number beyond single precision counts as none.
bool ReadNumber(FILE* file, float& number) {
    std::fscanf(file, " ");
    std::string text;
    unsigned digits = 0;
    int c = std::fgetc(file);
    const auto take = [&]() {
        text += static_cast<char>(c);
        c = std::fgetc(file);
    };
    if (c == '+' || c == '-')
        take();
    for (; std::isdigit(c); ++digits)
        take();
    if (c == '.')
        for (take(); std::isdigit(c); ++digits)
            take();
    if (digits > 0 && (c == 'e' || c == 'E')) {
        take();
        if (c == '+' || c == '-')
            take();
        while (std::isdigit(c))
            take();
    }
    std::ungetc(c, file);
    if (digits == 0)
        return false;
    const float read = std::strtof(text.c_str(), nullptr);
    if (!std::isfinite(read))
        return false;
    number = read;
    return true;
}

// One "label number" line. The label has room for 11 characters: a longer one keeps its first
// 11 and the rest of the word is skipped, so the number after it is still read.
void ReadLine(FILE* file, float& number) {
    char label[12];
    if (std::fscanf(file, "%11s", label) != 1)
        return;
    std::fscanf(file, "%*[^ \t\n\v\f\r]");
    if (ReadNumber(file, number))
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
