#include "upgrade/SystemInstall.h"

#include "text/TextBuffer.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/Cabinet.h"
#include "upgrade/ChildProcess.h"
#include "upgrade/Commit.h"
#include "upgrade/DiskFiles.h"
#include "upgrade/OptionTable.h"
#include "upgrade/Preconditions.h"
#include "upgrade/ProgramFolder.h"
#include "upgrade/Status.h"

UpgradeResult InstallSystemFiles(TWin& window) {
    WriteDesistMarker();

    int32_t optionCode = 0;
    double optionValue = 0;
    UpgradeResult result = CheckUpgradePreconditions(optionCode, optionValue);
    if (result != Success)
        return result;
    const OptionSteps steps = StepsForOption(optionCode);
    TextBuffer commandLine, archive;
    archive.Assign(ProgramFolder()).Append(SystemArchive);
    // A damaged or empty archive counts as a missing one: the commit would otherwise keep
    // whatever half of it the tool could unpack, or an unchanged C: as the new version.
    std::vector<CabinetFile> files;
    std::string fault;
    if (!BuildExtractCommand(commandLine, ProgramFolder(), SystemArchive,
                             steps.destinationOption) ||
        !ReadCabinet(archive.CStr(), files, fault))
        return Failed;

    if (steps.ewf) {
        RelabelBuildFolder(optionValue);
        ShowCaption(window, "ZR7KM EWF Installation - Copying Files...");
    } else {
        ShowCaption(window, "ZR7KM MASTER Installation - Copying Files...");
    }
    ShowStatus(window, "Copying system update files. Please Wait.");

    HANDLE child = StartChild(commandLine.CStr());
    if (child == nullptr)
        return Failed;
    ShowStatus(window, "Extracting files...");
    WaitForChild(child);
    // The tool's exit code says nothing on the instrument; what it left in the folder does.
    if (!CheckExtracted(steps.destinationFolder, files, fault))
        return Failed;
    CommitDriveC(window);
    return Success;
}
