#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/UpgradeResult.h"
#include "upgrade/Extraction.h"

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
