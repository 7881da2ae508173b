#include "upgrade/Commit.h"

#include "common/Files.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/CommandWord.h"
#include "upgrade/SystemRoad.h"

namespace {
const char* const commitBatch = "C:/Windows/Commit.bat";
const char* const newCommitBatch = "C:\\ZR7KM\\COMMIT.BAT";

const char* const toolFiles[][2] = {
    {"C:\\ZR7KM\\Tenacor.exe", "P:\\Tenacor\\Tenacor.exe"},
    {"C:\\ZR7KM\\TenacorConfig.ini", "P:\\Tenacor\\TenacorConfig.ini"},
    {"C:\\ZR7KM\\TenacorentFileList.txt", "P:\\Tenacor\\TenacorentFileList.txt"},
};
const char* const protectedFiles[] = {
    "P:\\Tenacor\\ProtectedFiles\\Tenacor.exe",
    "P:\\Tenacor\\ProtectedFiles\\TenacorConfig.ini",
    "P:\\Tenacor\\ProtectedFiles\\TenacorentFileList.txt",
    "P:\\Tenacor\\ProtectedFiles\\zr7clist.ini.pbf",
    "P:\\Tenacor\\ProtectedFiles\\ZR7KMolist.ini.pbf",
};
} // namespace

void WriteDesistMarker(RoadSteps& steps) {
    if (!FileExists(commitBatch))
        return;
    steps.CreateMarker("C:/ZR7KM/DesistTenacor.txt");
    steps.Pause(1000);
}

void CommitDriveC(RoadSteps& steps) {
    if (commitFlag != 1) {
        steps.NoCommit(NoCommitReason::CommandWord);
        return;
    }
    if (!FileExists(commitBatch)) {
        steps.NoCommit(NoCommitReason::NoCommitBatch);
        steps.Delete(newCommitBatch);
        return;
    }
    // The waiting batch is deleted only once it has been installed, so a failed copy loses it not.
    if (steps.Copy(newCommitBatch, "C:\\WINDOWS\\COMMIT.BAT"))
        steps.Delete(newCommitBatch);
    steps.RelabelBuildFolder(CommitLabelValue);
    for (const auto& file : toolFiles)
        steps.Copy(file[0], file[1]);
    for (const char* path : protectedFiles)
        steps.Delete(path);

    steps.ShowCaption("ZR7KM - Saving Disk Image...");
    steps.ShowStatus("Saving all changes to drive C:. Please Wait...");
    steps.Pause(3000);
    if (!steps.StartChild(commitBatch))
        return;
    steps.ShowStatus("Updating Disk C: Image... WAIT!");
    steps.WaitForChild();
    steps.Pause(30000);
}
