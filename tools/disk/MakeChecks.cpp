#include "tools/disk/MakeChecks.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/Handles.h"
#include "common/UpgradeDisk.h"
#include "slave/SlaveImage.h"
#include "tools/disk/FileBytes.h"
#include "tools/disk/ImageTool.h"
#include "tools/disk/OptionText.h"
#include "tools/disk/SourceFolder.h"
#include "upgrade/OptionTable.h"
#include "upgrade/Preconditions.h"
#include "upgrade/RoadPaths.h"

namespace {
using Faults = std::vector<std::string>;

std::string FullPath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    std::string result = n == 0 || n >= sizeof full ? path : full;
    while (result.size() > 3 && result.back() == '\\')
        result.pop_back();
    return result;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }
bool IsFolder(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool HoldsAnything(const std::string& folder) {
    FindFile search((folder + "\\*").c_str());
    if (search.IsOpen())
        do {
            const std::string name = search.entry.cFileName;
            if (name != "." && name != "..")
                return true;
        } while (search.Next());
    return false;
}

// A new or empty folder in a folder that exists; the sibling the disk is built in is free.
void CheckDisk(const std::string& given, MakeContent& content, Faults& faults) {
    content.disk = FullPath(given);
    content.building = content.disk + ".making";
    const size_t slash = content.disk.rfind('\\');
    if (slash == std::string::npos || slash + 1 == content.disk.size()) {
        faults.push_back("DISK " + given + ": a drive's root; a disk is made in a folder");
        return;
    }
    const std::string parent = content.disk.substr(0, slash == 2 ? 3 : slash);
    const DWORD attributes = Attributes(content.disk);
    if (!IsFolder(parent))
        faults.push_back("DISK " + content.disk + ": the folder " + parent + " does not exist");
    else if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        faults.push_back("DISK " + content.disk + " is a file");
    else if (attributes != INVALID_FILE_ATTRIBUTES && HoldsAnything(content.disk))
        faults.push_back("DISK " + content.disk + " is not empty: a make never mixes with an " +
                         "older disk; name a new or empty folder");
    if (Attributes(content.building) != INVALID_FILE_ATTRIBUTES)
        faults.push_back("DISK " + content.disk + ": " + content.building +
                         " is in the way (left by a make that was cut short?); remove it");
}

size_t Sign(const std::string& text) {
    return !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
}

// Digits after a sign at most, the whole text.
bool WholeNumber(const std::string& text, long& number) {
    const size_t digits = Sign(text);
    if (text.size() == digits || text.size() > digits + 9 ||
        text.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    number = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

// A sign, digits with a point among them, an exponent: the whole text.
bool DecimalNumber(const std::string& text, double& number) {
    const size_t start = Sign(text), exponent = text.find_first_of("eE", start);
    const std::string mantissa = text.substr(start, exponent - start);
    if (mantissa.find_first_not_of("0123456789.") != std::string::npos ||
        mantissa.find_first_of("0123456789") == std::string::npos ||
        mantissa.find('.') != mantissa.rfind('.'))
        return false;
    if (exponent != std::string::npos) {
        const std::string power = text.substr(exponent + 1);
        const size_t digits = Sign(power);
        if (power.size() == digits ||
            power.find_first_not_of("0123456789", digits) != std::string::npos)
            return false;
    }
    number = std::strtod(text.c_str(), nullptr);
    return true;
}

// The fewest digits that give the single-precision number back.
std::string Shortest(float value) {
    char text[32];
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value)
            break;
    }
    return text;
}

// DiskInfo.txt as the program will read it: a trial file in the temporary folder, read back
// with the program's own reader.
// True when the file could be read back; the code is taken when it is a whole number.
bool CheckOption(const MakeInputs& inputs, bool codeGiven, long code, const std::string& temporary,
                 MakeContent& content, Faults& faults) {
    double value = 0;
    const bool valueGiven = DecimalNumber(inputs.value, value);
    if (!codeGiven)
        faults.push_back("--option CODE " + inputs.code + ": not a whole number");
    if (!valueGiven)
        faults.push_back("--option VALUE " + inputs.value + ": not a decimal number");
    if (!codeGiven || !valueGiven)
        return false;
    const OptionSteps steps = StepsForOption(static_cast<int32_t>(code));
    const char* label = steps.ewf ? "VERSION" : steps.freeSpaceTest ? "SPACE" : "VALUE";
    content.diskInfo = "CODE " + inputs.code + "\r\n" + label + " " + inputs.value + "\r\n";
    const std::string trial = temporary + DiskInfoFile;
    if (!WriteWholeFile(trial.c_str(), std::vector<unsigned char>(content.diskInfo.begin(),
                                                                  content.diskInfo.end())) ||
        !ReadDiskInfo(trial.c_str(), content.optionCode, content.optionValue)) {
        faults.push_back("--option: no trial DiskInfo.txt can be written in " + temporary);
        return false;
    }
    if (content.optionCode != code)
        faults.push_back("--option CODE " + inputs.code + ": the program reads option code " +
                         std::to_string(content.optionCode));
    const std::string read = Shortest(content.optionValue);
    const std::string labelled = LabelNumber(content.optionValue);
    if (!std::isfinite(static_cast<float>(value)))
        faults.push_back("--option VALUE " + inputs.value + ": beyond single precision, which " +
                         "the program reads as no number, taking 0");
    else if (std::strtod(read.c_str(), nullptr) != value)
        faults.push_back("--option VALUE " + inputs.value +
                         ": the program reads it in single precision as " + read);
    else if (steps.ewf && std::strtod(labelled.c_str(), nullptr) != value)
        faults.push_back("--option VALUE " + inputs.value + ": the build folder would be " +
                         "labelled " + labelled + " (two decimals), not " + inputs.value);
    return true;
}

uint64_t Total(const std::vector<uint32_t>& sizes) {
    uint64_t total = 0;
    for (const uint32_t size : sizes)
        total += size;
    return total;
}

// What a cabinet can hold: 65,535 files, and in our one folder under 2 GiB.
void CheckCabinetSize(const char* cabinet, const std::vector<uint32_t>& sizes, Faults& faults) {
    if (sizes.size() > 0xFFFF)
        faults.push_back(std::string(cabinet) + ": " + std::to_string(sizes.size()) +
                         " files, beyond the 65535 a cabinet holds");
    if (Total(sizes) > 0x7FFFFFFF)
        faults.push_back(std::string(cabinet) + ": " + std::to_string(Total(sizes)) +
                         " bytes in all, beyond the 2 GiB a cabinet holds");
}

void CheckSlaveImage(const std::string& path, MakeContent& content, Faults& faults) {
    const ImageVerdict verdict = JudgeImage(path.c_str());
    if (!verdict.accepted) {
        faults.push_back("--slave " + path + ": " + verdict.description +
                         "; the program would log \"" + verdict.logLine + "\"");
        return;
    }
    if (!ReadWholeFile(path.c_str(), content.image, HeaderedImageSize)) {
        faults.push_back("--slave " + path + ": cannot be read");
        return;
    }
    if (content.image.size() == ImageSize)
        content.image = HeaderedImage(content.image.data());
}

// A file that exists and begins as a Windows program does.
void CheckProgram(const char* option, const std::string& path, std::string& full, Faults& faults) {
    full = FullPath(path);
    std::vector<unsigned char> start;
    ReadWholeFile(full.c_str(), start, 2);
    if (Attributes(full) == INVALID_FILE_ATTRIBUTES || IsFolder(full))
        faults.push_back(std::string(option) + " " + full + ": no such file");
    else if (start.size() < 2 || start[0] != 'M' || start[1] != 'Z')
        faults.push_back(std::string(option) + " " + full + ": not a Windows program");
}

std::string BesideThisProgram(const char* name) {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string self = n == 0 || n >= sizeof path ? "" : path;
    return self.substr(0, self.rfind('\\') + 1) + name;
}

// YYYY-MM-DD within the cabinet's dates (1980 to 2107).
bool DosDate(const std::string& text, uint16_t& date) {
    int year = 0, month = 0, day = 0, length = 0;
    if (text.size() != 10 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &length) != 3 ||
        length != 10 || text.find_first_not_of("0123456789-") != std::string::npos)
        return false;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1980 || year > 2107 || month < 1 || month > 12 || day < 1 || day > days[month - 1])
        return false;
    date = static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day);
    return true;
}
} // namespace

std::vector<std::string> CheckMakeInputs(const MakeInputs& inputs, const std::string& temporary,
                                         MakeContent& content) {
    Faults faults;
    content.optionCode = 0;
    content.optionValue = 0;
    CheckDisk(inputs.disk, content, faults);
    long code = 0;
    const bool known = WholeNumber(inputs.code, code);
    const bool read = CheckOption(inputs, known, code, temporary, content, faults);
    const OptionSteps steps = StepsForOption(static_cast<int32_t>(code));
    // Without a code to go by, the longer destination holds for the names.
    CollectCabinetFiles("--system", FullPath(inputs.system),
                        known ? steps.destinationFolder : EwfFolder, content.systemFiles,
                        content.systemSizes, faults);
    CheckCabinetSize("ZR7KMSYS1.cab", content.systemSizes, faults);
    if (!inputs.winSxS.empty()) {
        CollectCabinetFiles("--winsxs", FullPath(inputs.winSxS), WindowsFolder, content.winSxSFiles,
                            content.winSxSSizes, faults);
        CheckCabinetSize("WinSxS.cab", content.winSxSSizes, faults);
    }
    if (known && steps.extractWinSxS && inputs.winSxS.empty())
        faults.push_back("--option CODE " + inputs.code + " extracts WinSxS.cab into " +
                         WindowsFolder + ": name its folder with --winsxs");
    if (known && !steps.extractWinSxS && !inputs.winSxS.empty())
        faults.push_back("--winsxs: option code " + inputs.code + " never extracts WinSxS.cab");

    const double unpacked =
        static_cast<double>(Total(content.systemSizes) + Total(content.winSxSSizes)) / 1048576;
    char megabytes[32];
    std::snprintf(megabytes, sizeof megabytes, "%.1f", unpacked);
    if (read && steps.freeSpaceTest && content.optionValue < unpacked)
        faults.push_back("--option VALUE " + inputs.value + ": below the " + megabytes +
                         " MiB the cabinets unpack to on drive C:, so the free space test " +
                         "would pass an instrument without room for them");

    if (!inputs.slave.empty())
        CheckSlaveImage(inputs.slave, content, faults);
    CheckProgram("--program",
                 inputs.program.empty() ? BesideThisProgram("ZR7KMUpgrade.exe") : inputs.program,
                 content.program, faults);
    if (inputs.tool.empty()) {
        char system[MAX_PATH];
        const UINT n = GetSystemDirectoryA(system, sizeof system);
        const std::string tool =
            std::string(n == 0 || n >= sizeof system ? "" : system) + ExtractTool;
        if (Attributes(tool) == INVALID_FILE_ATTRIBUTES)
            faults.push_back("--tool: this system has no extract.exe of its own (" + tool +
                             "); name the cabinet tool with --tool");
        else
            CheckProgram("--tool", tool, content.tool, faults);
    } else {
        CheckProgram("--tool", inputs.tool, content.tool, faults);
    }
    if (!DosDate(inputs.date, content.dosDate))
        faults.push_back("--date " + inputs.date + ": not a date YYYY-MM-DD from 1980 to 2107");
    return faults;
}
