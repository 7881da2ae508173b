#include "upgrade/SystemRoad.h"

#include "common/UpgradeDisk.h"
#include "upgrade/Cabinet.h"
#include "upgrade/Commit.h"
#include "upgrade/Extraction.h"
#include "upgrade/OptionTable.h"
#include "upgrade/Preconditions.h"
#include "upgrade/RoadSteps.h"

UpgradeResult WalkSystemRoad(RoadSteps& steps, const std::string& diskFolder) {
    WriteDesistMarker(steps);
    int32_t optionCode = 0;
    double optionValue = 0;
    const UpgradeResult result =
        CheckUpgradePreconditions(steps, diskFolder, optionCode, optionValue);
    if (result != Success)
        return result;

    const OptionSteps option = StepsForOption(optionCode);
    Extraction system = ExtractionOf(diskFolder, SystemArchive, option.destinationFolder,
                                     option.ewf ? "EWF" : "MASTER");
    // A damaged or empty archive counts as a missing one: the commit would otherwise keep
    // whatever half of it the tool could unpack, or an unchanged C: as the new version.
    std::string fault;
    if (!system.onDisk || !ReadCabinet(system.archive.c_str(), system.files, fault)) {
        steps.NotExtracted(system, system.onDisk ? fault : "missing");
        return Failed;
    }
    if (option.ewf) {
        steps.RelabelBuildFolder(optionValue);
        steps.ShowCaption("ZR7KM EWF Installation - Copying Files...");
    } else {
        steps.ShowCaption("ZR7KM MASTER Installation - Copying Files...");
    }
    steps.ShowStatus("Copying system update files. Please Wait.");
    if (!steps.StartExtraction(system))
        return Failed;
    steps.ShowStatus("Extracting files...");
    steps.WaitForChild();
    // The tool's exit code says nothing on the instrument; what it left in the folder does.
    if (!steps.CheckExtracted(system))
        return Failed;
    CommitDriveC(steps);
    return Success;
}
