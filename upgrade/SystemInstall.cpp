#include "upgrade/SystemInstall.h"

#include "text/TextBuffer.h"
#include "upgrade/BuildFolder.h"
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
    TextBuffer commandLine;
    if (!BuildExtractCommand(commandLine, ProgramFolder(), SystemArchive, steps.destinationOption))
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
    CommitDriveC(window);
    return Success;
}
