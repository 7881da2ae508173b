#include "tools/disk/DiskPlan.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "text/TextBuffer.h"
#include "tools/disk/ImageTool.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/Cabinet.h"
#include "upgrade/ChildProcess.h"
#include "upgrade/CommandWord.h"
#include "upgrade/DiskFiles.h"
#include "upgrade/OptionTable.h"
#include "upgrade/Preconditions.h"
#include "upgrade/ResultMessage.h"

namespace {
bool Exists(const std::string& path) {
    struct _stat status;
    return _stat(path.c_str(), &status) == 0;
}

std::string Label(double value) {
    char label[64];
    return RelabelledName("With", value, label, sizeof label) ? label : "?";
}

// The first folder matching "C:\XPe Build*" on this machine, empty when there is none.
std::string FindBuildFolder() {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("C:\\XPe Build*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return "";
    FindClose(search);
    return entry.cFileName;
}

// The relabel as it would happen to the build folder of this machine (renamed in step), or the
// label alone where it has none.
void PrintRelabel(const char* when, double value, std::string& buildFolder) {
    if (buildFolder.empty()) {
        std::printf("relabel %s: the first folder matching C:\\XPe Build* gets \"%s\" (none on "
                    "this machine)\n",
                    when, Label(value).c_str());
        return;
    }
    char newName[MAX_PATH];
    if (!RelabelledName(buildFolder.c_str(), value, newName, sizeof newName)) {
        std::printf("relabel %s: C:\\%s\\ stays as it is (no \"With\" in its name)\n", when,
                    buildFolder.c_str());
        return;
    }
    std::printf("relabel %s: C:\\%s\\ becomes C:\\%s\\\n", when, buildFolder.c_str(), newName);
    buildFolder = newName;
}

int PrintResult(int result) {
    if (const char* message = ResultMessage(result))
        std::printf("result: %d, the program shows \"%s\"\n", result, message);
    else
        std::printf("result: %d, the upgrade goes through\n", result);
    return result;
}

void PrintTests(const OptionSteps& steps, double optionValue, const InstrumentFigures& figures) {
    if (steps.memoryTest)
        std::printf("test: memory figure at least %.1f (this machine: %.1f)\n", MinimumMemoryFigure,
                    figures.memoryFigure);
    if (steps.driveSizeTest)
        std::printf("test: drive C: at least %u MiB in all (this machine: %u MiB)\n",
                    static_cast<unsigned>(MinimumDriveMegabytes),
                    static_cast<unsigned>(figures.totalMegabytes));
    if (steps.freeSpaceTest)
        std::printf("test: at least %g MiB free on drive C: (this machine: %u MiB)\n",
                    optionValue + FreeSpaceMargin, static_cast<unsigned>(figures.freeMegabytes));
    if (!steps.memoryTest && !steps.driveSizeTest && !steps.freeSpaceTest)
        std::printf("tests: none\n");
}

// The system file road in the order InstallSystemFiles takes it.
int PlanSystemRoad(const std::string& folder) {
    const bool commit = commitFlag == 1;
    if (Exists("C:/Windows/Commit.bat"))
        std::printf("marker: C:/ZR7KM/DesistTenacor.txt created\n");
    const std::string diskInfo = folder + DiskInfoFile;
    int32_t optionCode = 0;
    float value = 0;
    if (ReadDiskInfo(diskInfo.c_str(), optionCode, value))
        std::printf("DiskInfo.txt: option code %d, value %g\n", static_cast<int>(optionCode),
                    static_cast<double>(value));
    else
        std::printf("DiskInfo.txt: %s cannot be opened: option code 0, value 0\n",
                    diskInfo.c_str());
    const double optionValue = value;
    const OptionSteps steps = StepsForOption(optionCode);
    if (optionCode != 0 && (optionCode < 1000 || optionCode > 1004))
        std::printf("note: option code %d is not one of 1000 to 1004: no preparation, no test\n",
                    static_cast<int>(optionCode));

    TextBuffer commandLine;
    if (steps.extractWinSxS) {
        if (BuildExtractCommand(commandLine, folder.c_str(), WinSxSArchive, WinSxSDestination))
            std::printf("preparation: runs %s\n", commandLine.CStr());
        else
            std::printf("preparation: none, the disk lacks extract.exe or WinSxS.cab (skipped "
                        "without a word)\n");
    }
    if (steps.optionFolder != nullptr)
        std::printf("preparation: removes %s\n", steps.optionFolder);
    const InstrumentFigures figures = MeasureInstrument();
    PrintTests(steps, optionValue, figures);
    const int tests = TestInstrument(optionCode, optionValue, figures);
    if (tests != Success)
        return PrintResult(tests);

    commandLine.Assign("");
    const bool complete =
        BuildExtractCommand(commandLine, folder.c_str(), SystemArchive, steps.destinationOption);
    const std::string archive = folder + SystemArchive;
    if (!complete) {
        if (!Exists(folder + ExtractTool))
            std::printf("missing: %s%s\n", folder.c_str(), ExtractTool);
        if (!Exists(archive))
            std::printf("missing: %s\n", archive.c_str());
        return PrintResult(Failed);
    }
    std::vector<CabinetFile> files;
    std::string fault;
    if (!ReadCabinet(archive.c_str(), files, fault)) {
        std::printf("refused: %s: %s; the program extracts nothing and commits nothing\n",
                    archive.c_str(), fault.c_str());
        return PrintResult(Failed);
    }
    std::printf("installation: %s, into %s\n", steps.ewf ? "EWF" : "MASTER",
                steps.destinationFolder);
    std::string buildFolder = FindBuildFolder();
    if (steps.ewf)
        PrintRelabel("before the extraction", optionValue, buildFolder);
    std::printf("installation: runs %s\n", commandLine.CStr());
    std::printf("%s holds %u files:\n", archive.c_str(), static_cast<unsigned>(files.size()));
    for (const CabinetFile& file : files)
        std::printf("    %s (%u bytes)\n", file.name.c_str(), static_cast<unsigned>(file.size));
    std::printf("after the extraction: each must be in %s with that size, or the program reports "
                "a failure and does not commit\n",
                steps.destinationFolder);
    if (!commit)
        std::printf(
            "commit: no (-nocommit): C:\\ZR7KM\\COMMIT.BAT and drive P: stay as they are\n");
    else if (!Exists("C:/Windows/Commit.bat"))
        std::printf(
            "commit: none, this machine has no C:/Windows/Commit.bat (C:\\ZR7KM\\COMMIT.BAT "
            "is deleted)\n");
    else {
        std::printf("commit: C:\\ZR7KM\\COMMIT.BAT (if any) replaces C:\\WINDOWS\\COMMIT.BAT\n");
        PrintRelabel("in the commit", CommitLabelValue, buildFolder);
        std::printf("commit: Tenacor files copied to P:\\Tenacor\\, its ProtectedFiles deleted\n");
        std::printf("commit: runs C:/Windows/Commit.bat\n");
    }
    return PrintResult(Success);
}

int PlanSlaveRoad(const std::string& folder) {
    const std::string path = folder + SlaveImageFile;
    const ImageVerdict verdict = JudgeImage(path.c_str());
    std::printf("SLAVE.BIN: %s\n", verdict.description.c_str());
    if (!verdict.accepted) {
        std::printf("progress window: \"%s\"\n", verdict.logLine.c_str());
        return PrintResult(Failed);
    }
    std::printf("SLAVE.BIN: accepted, sent to the slave board in 512 blocks of 256 bytes\n");
    return PrintResult(Success);
}

int PlanWord(const std::string& folder, const char* word) {
    // The program takes its word from its whole command line, in which the system quotes the
    // program's path; a word with a blank of its own would still be cut.
    const std::string commandLine = "\"" + folder + "\\ZR7KMUpgrade.exe\" " + word;
    const std::string seen = ReadCommandWord(commandLine.c_str());
    commitFlag = 1;
    const Road road = ChooseRoad(seen.c_str());
    std::printf("== command word \"%s\": %s\n", word,
                road == Road::Slave ? "slave road"
                : commitFlag == 1   ? "system file road, commit flag 1"
                                    : "system file road, commit flag 0");
    if (seen != word)
        std::printf("warning: the program reads \"%s\" as its command word, not \"%s\"\n",
                    seen.c_str(), word);
    int result = road == Road::Slave ? PlanSlaveRoad(folder) : PlanSystemRoad(folder);
    if (seen != word && result == Success)
        result = Failed;
    std::printf("\n");
    return result;
}

// The folder as the program would name itself from there: full path, no trailing backslash.
std::string FullFolder(const char* folder) {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(folder, sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full)
        return folder;
    std::string path = full;
    while (path.size() > 1 && path.back() == '\\')
        path.pop_back();
    return path;
}
} // namespace

int PlanDisk(const char* diskFolder, const char* word) {
    const std::string folder = FullFolder(diskFolder);
    DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::printf("%s is not a folder\n", diskFolder);
        return 2;
    }
    std::printf("upgrade disk %s\n\n", folder.c_str());
    if (word != nullptr)
        return PlanWord(folder, word) == Success ? 0 : 1;

    // Without a word, a road counts for the exit status only where the disk carries its payload.
    const bool system = Exists(folder + DiskInfoFile) || Exists(folder + ExtractTool) ||
                        Exists(folder + SystemArchive);
    const bool slave = Exists(folder + SlaveImageFile);
    bool clean = true;
    for (const char* each : {"MASTER", "-nocommit"})
        if (PlanWord(folder, each) != Success && (system || !slave))
            clean = false;
    if (PlanWord(folder, "SLAVE") != Success && (slave || !system))
        clean = false;
    if (!slave)
        std::printf("(no SLAVE.BIN on this disk: the slave road does not count)\n");
    if (!system && slave)
        std::printf("(no system files on this disk: the system file road does not count)\n");
    return clean ? 0 : 1;
}
