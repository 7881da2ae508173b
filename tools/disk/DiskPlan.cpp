#include "tools/disk/DiskPlan.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "common/Files.h"
#include "common/UpgradeDisk.h"
#include "tools/disk/DiskWord.h"
#include "tools/disk/ImageTool.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/Measure.h"
#include "upgrade/OptionTable.h"
#include "upgrade/ResultMessage.h"
#include "upgrade/RoadPaths.h"
#include "upgrade/RoadSteps.h"
#include "upgrade/SystemRoad.h"

namespace {
std::string Label(double value) {
    char label[64];
    return RelabelledName("With", value, label, sizeof label) ? label : "?";
}

int PrintResult(int result) {
    if (const char* message = ResultMessage(result))
        std::printf("result: %d, the program shows \"%s\"\n", result, message);
    else
        std::printf("result: %d, the upgrade goes through\n", result);
    return result;
}

// Tells each step of the road in its order; the tests are judged on this machine's figures, and
// the build folder of this machine is renamed in step.
class PlannedSteps : public RoadSteps {
  public:
    PlannedSteps() : extracted(false) {
        char name[MAX_PATH];
        if (FindBuildFolder(name))
            buildFolder = name;
    }

    void CreateMarker(const char* path) override { std::printf("marker: %s created\n", path); }
    void Pause(DWORD) override {}
    void ShowCaption(const char*) override {}
    void ShowStatus(const char*) override {}
    bool StartExtraction(const Extraction& extraction) override {
        if (extraction.installation == nullptr) {
            std::printf("preparation: runs %s\n", extraction.commandLine.c_str());
            return true;
        }
        std::printf("installation: %s, into %s\n", extraction.installation,
                    extraction.folder.c_str());
        std::printf("installation: runs %s\n", extraction.commandLine.c_str());
        std::printf("%s holds %u files:\n", extraction.archive.c_str(),
                    static_cast<unsigned>(extraction.files.size()));
        for (const CabinetFile& file : extraction.files)
            std::printf("    %s (%u bytes)\n", file.name.c_str(), static_cast<unsigned>(file.size));
        extracted = true;
        return true;
    }
    bool StartChild(const char* commandLine) override {
        std::printf("commit: runs %s\n", commandLine);
        return true;
    }
    void WaitForChild() override {}
    bool CheckExtracted(const Extraction& extraction) override {
        std::printf("after the extraction: each must be in %s with that size, or the program "
                    "reports a failure and does not commit\n",
                    extraction.folder.c_str());
        return true;
    }
    void RemoveFolderTree(const char* path) override {
        std::printf("preparation: removes %s\n", path);
    }
    UpgradeResult TestInstrument(int32_t optionCode, double optionValue) override {
        const OptionSteps steps = StepsForOption(optionCode);
        const InstrumentFigures figures = MeasureInstrument();
        if (steps.memoryTest)
            std::printf("test: memory figure at least %.1f (this machine: %.1f)\n",
                        MinimumMemoryFigure, figures.memoryFigure);
        if (steps.driveSizeTest)
            std::printf("test: drive C: at least %u MiB in all (this machine: %u MiB)\n",
                        static_cast<unsigned>(MinimumDriveMegabytes),
                        static_cast<unsigned>(figures.totalMegabytes));
        if (steps.freeSpaceTest)
            std::printf("test: at least %g MiB free on drive C: (this machine: %u MiB)\n",
                        optionValue + FreeSpaceMargin,
                        static_cast<unsigned>(figures.freeMegabytes));
        if (!steps.memoryTest && !steps.driveSizeTest && !steps.freeSpaceTest)
            std::printf("tests: none\n");
        return ::TestInstrument(optionCode, optionValue, figures);
    }
    void RelabelBuildFolder(double value) override {
        const char* when = extracted ? "in the commit" : "before the extraction";
        char newName[MAX_PATH];
        if (buildFolder.empty())
            std::printf("relabel %s: the first folder matching %s gets \"%s\" (none on this "
                        "machine)\n",
                        when, BuildFolderPattern, Label(value).c_str());
        else if (!RelabelledName(buildFolder.c_str(), value, newName, sizeof newName))
            std::printf("relabel %s: C:\\%s\\ stays as it is (no \"With\" in its name)\n", when,
                        buildFolder.c_str());
        else {
            std::printf("relabel %s: C:\\%s\\ becomes C:\\%s\\\n", when, buildFolder.c_str(),
                        newName);
            buildFolder = newName;
        }
    }
    bool Copy(const char* from, const char* to) override {
        std::printf("commit: %s (if any) replaces %s\n", from, to);
        return true;
    }
    void Delete(const char* path) override { std::printf("commit: %s deleted\n", path); }

    void DiskInfoRead(const char* path, bool opened, int32_t optionCode,
                      float optionValue) override {
        PrintDiskInfo(path, opened, optionCode, optionValue);
        if (optionCode != 0 && (optionCode < 1000 || optionCode > 1004))
            std::printf("note: option code %d is not one of 1000 to 1004: no preparation, no "
                        "test\n",
                        static_cast<int>(optionCode));
    }
    void NotExtracted(const Extraction& extraction, const std::string& why) override {
        if (extraction.installation == nullptr)
            std::printf("preparation: none, the disk lacks extract.exe or WinSxS.cab (skipped "
                        "without a word)\n");
        else if (why != "missing")
            std::printf("refused: %s: %s; the program extracts nothing and commits nothing\n",
                        extraction.archive.c_str(), why.c_str());
        else
            for (const std::string& path : {extraction.tool, extraction.archive})
                if (!FileExists(path.c_str()))
                    std::printf("missing: %s\n", path.c_str());
    }
    void NoCommit(NoCommitReason reason) override {
        if (reason == NoCommitReason::CommandWord)
            std::printf("commit: no (-nocommit): %s and drive P: stay as they are\n",
                        NewCommitBatch);
        else
            std::printf("commit: none, this machine has no %s\n", CommitBatch);
    }

  private:
    bool extracted;
    std::string buildFolder;
};

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
    Road road;
    const bool taken = TakeCommandWord(folder, word, road);
    PlannedSteps steps;
    int result =
        road == Road::Slave ? PlanSlaveRoad(folder) : PrintResult(WalkSystemRoad(steps, folder));
    if (!taken && result == Success)
        result = Failed;
    std::printf("\n");
    return result;
}
} // namespace

int PlanDisk(const char* diskFolder, const char* word) {
    std::string folder;
    if (!OpenDiskFolder(diskFolder, folder))
        return 2;
    if (word != nullptr)
        return PlanWord(folder, word) == Success ? 0 : 1;

    // Without a word, a road counts for the exit status only where the disk carries its payload.
    const auto onDisk = [&folder](const char* file) { return FileExists((folder + file).c_str()); };
    const bool system = onDisk(DiskInfoFile) || onDisk(ExtractTool) || onDisk(SystemArchive);
    const bool slave = onDisk(SlaveImageFile);
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
