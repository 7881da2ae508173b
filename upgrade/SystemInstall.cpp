#include "upgrade/SystemInstall.h"

#include "common/ChildProcess.h"
#include "common/TestBuild.h"
#include "common/UpgradeDisk.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/FolderTree.h"
#include "upgrade/Measure.h"
#include "upgrade/OptionTable.h"
#include "upgrade/RoadSteps.h"
#include "upgrade/Status.h"
#include "upgrade/SystemRoad.h"

namespace {
// Each step done on the instrument, one child process at a time.
class PerformedSteps : public RoadSteps {
  public:
    explicit PerformedSteps(TWin& window) : window(window) {}

    void CreateMarker(const char* path) override {
        Handle marker(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_ARCHIVE, nullptr));
    }
    void Pause(DWORD milliseconds) override { ::Pause(milliseconds); }
    void ShowCaption(const char* caption) override { ::ShowCaption(window, caption); }
    void ShowStatus(const char* text) override { ::ShowStatus(window, text); }
    bool StartExtraction(const Extraction& extraction) override {
        return StartChild(extraction.commandLine.c_str());
    }
    bool StartChild(const char* commandLine) override {
        child = ::StartChild(commandLine);
        return child.IsOpen();
    }
    void WaitForChild() override { ::WaitForChild(child); }
    bool CheckExtracted(const Extraction& extraction) override {
        std::string fault;
        return ::CheckExtracted(extraction.folder.c_str(), extraction.files, fault);
    }
    void RemoveFolderTree(const char* path) override { ::RemoveFolderTree(path); }
    UpgradeResult TestInstrument(int32_t optionCode, double optionValue) override {
        return ::TestInstrument(optionCode, optionValue, MeasureInstrument());
    }
    void RelabelBuildFolder(double value) override { ::RelabelBuildFolder(value); }
    bool Copy(const char* from, const char* to) override { return CopyFileA(from, to, FALSE) != 0; }
    void Delete(const char* path) override { DeleteFileA(path); }

  private:
    TWin& window;
    Handle child;
};
} // namespace

UpgradeResult InstallSystemFiles(TWin& window) {
    PerformedSteps steps(window);
    return WalkSystemRoad(steps, ProgramFolder());
}
