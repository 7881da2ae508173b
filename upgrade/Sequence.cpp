#include "upgrade/Sequence.h"

#include <windows.h>

#include <cstdio>

#include "common/ChildProcess.h"
#include "common/Files.h"
#include "common/TestBuild.h"
#include "slave/SlaveImage.h"
#include "text/TextBuffer.h"
#include "twin/MessagePump.h"
#include "twin/TWin.h"
#include "upgrade/CommandWord.h"
#include "upgrade/ResultMessage.h"
#include "upgrade/Status.h"
#include "upgrade/SystemInstall.h"

namespace {
// The application once shipped its English texts under a shortened name.
void CorrectLanguageFile(TWin& window) {
    if (!FileExists("ZR7Engli.mls"))
        return;
    ShowStatus(window, "Correcting language file naming error:");
    if (FileExists("ZR7English.mls")) {
        std::remove("ZR7Engli.mls");
        ShowStatus(window, "Correcting language file naming error: ZR7Engli.mls REMOVED.");
    } else {
        std::rename("ZR7Engli.mls", "ZR7English.mls");
        ShowStatus(window, "Correcting language file naming error: ZR7Engli.mls RENAMED.");
    }
}

UpgradeResult RunSlaveRoad(TWin& statusWindow, TWin& progressWindow) {
    ShowCaption(statusWindow, "ZR7KM SLAVE Upgrade - Copying Files...");
    ShowStatus(statusWindow, "Updating Slave EEPROM. Please Wait.");
    ShowCaption(progressWindow, "SLAVE Flash Downloader - Progress");
    progressWindow.SetBackgroundColor(0xBBBBBB);
    progressWindow.SetFont("Arial", 14, 400, 0);
    progressWindow.SetRect(50, 75, 425, 110);
    return UpgradeSlave(progressWindow);
}

// The application is started by its bare name from its own folder and not waited for.
void RestartApplication(TWin& window) {
    if (!FileExists("c:/ZR7KM/ZR7KM.exe")) {
        ShowCaption(window, "ZR7KM System Upgrade - ERROR");
        ShowStatus(window, "Don't know how to restart...");
        Pause(3000);
        return;
    }
    ShowCaption(window, "ZR7KM System Upgrade - Restarting...");
    ShowStatus(window, "Restarting....");
    SetCurrentDirectoryA("c:/ZR7KM");
    StartChild("ZR7KM.exe", false); // its handle goes at once
}
} // namespace

int RunUpgrade() {
    TextBuffer statusLine;
    TWin statusWindow;
    TWin progressWindow;
    UINT previousErrorMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    ShowCaption(statusWindow, "ZR7KM System Upgrade Version 3.00 (CRC) - Checking...");
    statusWindow.SetRect(10, 10, 500, 60);
    const char* commandLine = GetCommandLineA();
    ShowStatus(statusWindow, commandLine);
    Pause(2000);

    const char* commandWord = ReadCommandWord(commandLine);
    statusLine.Assign("Update ")
        .Append(commandWord)
        .Append(" Software")
        .Append(": Checking system files");
    Road road = ChooseRoad(commandWord);
    for (int pass = 0; pass < 5; ++pass) {
        messagePump.PumpPending();
        statusLine.Append(". ");
        ShowStatus(statusWindow, statusLine.CStr());
        messagePump.PumpPending();
        Pause(0);
    }
    CorrectLanguageFile(statusWindow);
    ShowStatus(statusWindow, "Files are OK.  Looking for an upgrade disk...");

    int result = road == Road::Slave ? RunSlaveRoad(statusWindow, progressWindow)
                                     : InstallSystemFiles(statusWindow);
    if (const char* message = ResultMessage(result)) {
        ShowStatus(statusWindow, message);
        Pause(10000);
    }
    RestartApplication(statusWindow);
    ShowCaption(statusWindow, "ZR7KM System Upgrade - Done...");
    ShowStatus(statusWindow, "Done.");
    SetErrorMode(previousErrorMode);
    return 0;
}
