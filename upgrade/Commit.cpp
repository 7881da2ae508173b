#include "upgrade/Commit.h"

#include <windows.h>

#include <sys/stat.h>

#include "upgrade/BuildFolder.h"
#include "upgrade/ChildProcess.h"
#include "upgrade/CommandWord.h"
#include "upgrade/Pacing.h"
#include "upgrade/Status.h"

namespace {
const char* const commitBatch = "C:/Windows/Commit.bat";
const char* const newCommitBatch = "C:\\ZR7KM\\COMMIT.BAT";

bool CommitBatchExists() {
    struct _stat status;
    return _stat(commitBatch, &status) == 0;
}
} // namespace

void WriteDesistMarker() {
    if (!CommitBatchExists())
        return;
    HANDLE marker = CreateFileA("C:/ZR7KM/DesistTenacor.txt", GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (marker != INVALID_HANDLE_VALUE)
        CloseHandle(marker);
    Pause(1000);
}

void CommitDriveC(TWin& window) {
    if (commitFlag != 1)
        return;
    if (!CommitBatchExists()) {
        DeleteFileA(newCommitBatch);
        return;
    }
    // The waiting batch is deleted only once it has been installed, so a failed copy loses it not.
    if (CopyFileA(newCommitBatch, "C:\\WINDOWS\\COMMIT.BAT", FALSE))
        DeleteFileA(newCommitBatch);
    RelabelBuildFolder(CommitLabelValue);

    static const char* const toolFiles[] = {"Tenacor.exe", "TenacorConfig.ini",
                                            "TenacorentFileList.txt"};
    for (const char* name : toolFiles) {
        char from[MAX_PATH], to[MAX_PATH];
        wsprintfA(from, "C:\\ZR7KM\\%s", name);
        wsprintfA(to, "P:\\Tenacor\\%s", name);
        CopyFileA(from, to, FALSE);
    }
    static const char* const protectedFiles[] = {
        "P:\\Tenacor\\ProtectedFiles\\Tenacor.exe",
        "P:\\Tenacor\\ProtectedFiles\\TenacorConfig.ini",
        "P:\\Tenacor\\ProtectedFiles\\TenacorentFileList.txt",
        "P:\\Tenacor\\ProtectedFiles\\zr7clist.ini.pbf",
        "P:\\Tenacor\\ProtectedFiles\\ZR7KMolist.ini.pbf",
    };
    for (const char* path : protectedFiles)
        DeleteFileA(path);

    ShowCaption(window, "ZR7KM - Saving Disk Image...");
    ShowStatus(window, "Saving all changes to drive C:. Please Wait...");
    Pause(3000);
    HANDLE batch = StartChild(commitBatch);
    if (batch == nullptr)
        return;
    ShowStatus(window, "Updating Disk C: Image... WAIT!");
    WaitForChild(batch);
    Pause(30000);
}
