#include "upgrade/SystemInstall.h"

#include <sys/stat.h>

#include "text/TextBuffer.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/ChildProcess.h"
#include "upgrade/Commit.h"
#include "upgrade/Preconditions.h"
#include "upgrade/ProgramFolder.h"
#include "upgrade/Status.h"

namespace {
bool Exists(const char* path) {
    struct _stat status;
    return _stat(path, &status) == 0;
}
} // namespace

UpgradeResult InstallSystemFiles(TWin& window) {
    TextBuffer tool, archive, commandLine;
    tool.Assign(ProgramFolder()).Append("\\extract.exe");
    archive.Assign(ProgramFolder()).Append("\\ZR7KMSYS1.cab");
    WriteDesistMarker();

    int32_t optionCode = 0;
    double optionValue = 0;
    UpgradeResult result = CheckUpgradePreconditions(optionCode, optionValue);
    if (result != Success)
        return result;
    if (!Exists(tool.CStr()) || !Exists(archive.CStr()))
        return Failed;

    const char* destination;
    if (optionCode == 1004) {
        RelabelBuildFolder(optionValue);
        ShowCaption(window, "ZR7KM EWF Installation - Copying Files...");
        destination = " /E /Y /L P:/Tenacor";
    } else {
        ShowCaption(window, "ZR7KM MASTER Installation - Copying Files...");
        destination = " /E /Y /L c:/ZR7KM";
    }
    ShowStatus(window, "Copying system update files. Please Wait.");

    AppendCommandPath(commandLine, tool.CStr()).Append(destination).Append(" ");
    AppendCommandPath(commandLine, archive.CStr());
    HANDLE child = StartChild(commandLine.CStr());
    if (child == nullptr)
        return Failed;
    ShowStatus(window, "Extracting files...");
    WaitForChild(child);
    CommitDriveC(window);
    return Success;
}
