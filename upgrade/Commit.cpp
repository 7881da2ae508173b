#include "upgrade/Commit.h"

#include "common/Files.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/CommandWord.h"
#include "upgrade/RoadPaths.h"
#include "upgrade/RoadSteps.h"

void WriteDesistMarker(RoadSteps& steps) {
    if (!FileExists(CommitBatch))
        return;
    steps.CreateMarker(DesistMarker);
    steps.Pause(1000);
}

void CommitDriveC(RoadSteps& steps) {
    if (commitFlag != 1) {
        steps.NoCommit(NoCommitReason::CommandWord);
        return;
    }
    if (!FileExists(CommitBatch)) {
        steps.NoCommit(NoCommitReason::NoCommitBatch);
        steps.Delete(NewCommitBatch);
        return;
    }
    // The waiting batch is deleted only once it has been installed, so a failed copy loses it not.
    if (steps.Copy(NewCommitBatch, InstalledCommitBatch))
        steps.Delete(NewCommitBatch);
    steps.RelabelBuildFolder(CommitLabelValue);
    for (const auto& copy : RetentionToolCopies)
        steps.Copy(copy[0], copy[1]);
    for (const char* path : ProtectedFiles)
        steps.Delete(path);

    steps.ShowCaption("ZR7KM - Saving Disk Image...");
    steps.ShowStatus("Saving all changes to drive C:. Please Wait...");
    steps.Pause(3000);
    if (!steps.StartChild(CommitBatch))
        return;
    steps.ShowStatus("Updating Disk C: Image... WAIT!");
    steps.WaitForChild();
    steps.Pause(30000);
}
