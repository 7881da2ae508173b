#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/UpgradeResult.h"
#include "upgrade/Cabinet.h"

// One run of the cabinet tool on an archive of the upgrade disk.
struct Extraction {
    std::string commandLine;
    std::string tool; // the paths of the tool and the archive on the disk
    std::string archive;
    std::string folder; // where the tool puts the files
    bool onDisk;        // the tool and the archive exist
    // The system archive's installation, "MASTER" or "EWF", with the files the archive lists
    // (read before the tool runs); null for the preparation of WinSxS.cab, whose files the
    // program never reads.
    const char* installation;
    std::vector<CabinetFile> files;
};

enum class NoCommitReason { CommandWord, NoCommitBatch };

// What the system file road does to the instrument, one call a step, in the order of the road.
// The program performs the steps (InstallSystemFiles), the disk tool's plan tells them and its
// verify compares what they leave with the instrument: all walk the one road, WalkSystemRoad,
// which makes every choice of the road on what the instrument and its disk answer.
class RoadSteps {
  public:
    virtual ~RoadSteps() = default;

    virtual void CreateMarker(const char* path) = 0;
    virtual void Pause(DWORD milliseconds) = 0;
    virtual void ShowCaption(const char* caption) = 0;
    virtual void ShowStatus(const char* text) = 0;
    // False when the tool cannot be started; otherwise it runs until WaitForChild.
    virtual bool StartExtraction(const Extraction& extraction) = 0;
    virtual bool StartChild(const char* commandLine) = 0;
    virtual void WaitForChild() = 0;
    // Whether the files the archive lists are in the folder as it lists them.
    virtual bool CheckExtracted(const Extraction& extraction) = 0;
    virtual void RemoveFolderTree(const char* path) = 0;
    // Success, NoDiskSpace or Incompatible: the tests of the option code on the instrument.
    virtual UpgradeResult TestInstrument(int32_t optionCode, double optionValue) = 0;
    virtual void RelabelBuildFolder(double value) = 0;
    virtual bool Copy(const char* from, const char* to) = 0;
    virtual void Delete(const char* path) = 0;

    // What the road read and why it leaves a step out; the program has nothing to do there.
    virtual void DiskInfoRead(const char*, bool /*opened*/, int32_t /*optionCode*/,
                              float /*optionValue*/) {}
    virtual void NotExtracted(const Extraction&, const std::string& /*why*/) {}
    virtual void NoCommit(NoCommitReason) {}
};

// The whole system file road with the upgrade disk in diskFolder (the program's own folder):
// marker, preconditions, the extraction of ZR7KMSYS1.cab into c:/ZR7KM (MASTER) or, for option
// code 1004, into P:/Tenacor (EWF), then the commit.
UpgradeResult WalkSystemRoad(RoadSteps& steps, const std::string& diskFolder);

// The extraction of an archive of the upgrade disk (an archive file such as "\ZR7KMSYS1.cab")
// with a destination option (" /E /Y /L folder") into that folder.
Extraction ExtractionOf(const std::string& diskFolder, const char* archiveFile,
                        const char* destinationOption, const char* folder,
                        const char* installation);
