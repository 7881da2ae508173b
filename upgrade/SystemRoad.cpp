#include "upgrade/SystemRoad.h"

#include "common/UpgradeDisk.h"
#include "text/TextBuffer.h"
#include "upgrade/Commit.h"
#include "upgrade/ExtractCommand.h"
#include "upgrade/OptionTable.h"
#include "upgrade/Preconditions.h"

Extraction ExtractionOf(const std::string& diskFolder, const char* archiveFile,
                        const char* destinationOption, const char* folder,
                        const char* installation) {
    TextBuffer commandLine;
    const bool onDisk =
        BuildExtractCommand(commandLine, diskFolder.c_str(), archiveFile, destinationOption);
    return {commandLine.CStr(),
            diskFolder + ExtractTool,
            diskFolder + archiveFile,
            folder,
            onDisk,
            installation,
            {}};
}

UpgradeResult WalkSystemRoad(RoadSteps& steps, const std::string& diskFolder) {
    WriteDesistMarker(steps);
    int32_t optionCode = 0;
    double optionValue = 0;
    const UpgradeResult result =
        CheckUpgradePreconditions(steps, diskFolder, optionCode, optionValue);
    if (result != Success)
        return result;

    const OptionSteps option = StepsForOption(optionCode);
    Extraction system = ExtractionOf(diskFolder, SystemArchive, option.destinationOption,
                                     option.destinationFolder, option.ewf ? "EWF" : "MASTER");
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
