#include "slave/SlaveDownload.h"

#include <windows.h>

#include <cstdio>

#include "common/TestBuild.h"
#include "slave/CommonRam.h"
#include "slave/SlaveErrorLog.h"
#include "twin/TWin.h"

namespace {
enum : int { BlockCount = 512, StartCommandTries = 5, FinalWaitSeconds = 30, EmulatedSeconds = 5 };

void ShowProgress(TWin& window, const char* text) {
    window.SetText(text, 1);
    Record("slave-progress", text);
}

void Log(TWin& window, const char* text) {
    slaveErrorLog.AddMessage(text);
    slaveErrorLog.ShowIn(window);
}

void LogSyncup(TWin& window, const char* format, uint16_t syncup) {
    char text[96];
    std::snprintf(text, sizeof text, format, syncup);
    Log(window, text);
}

// Waits until the window is free; the abort test and one poll run at least once per block.
void AwaitFreeWindow() {
    do {
        if (SlaveAborted()) {
            slaveErrorLog.FlagSlaveAbort();
            throw "Slave Abort detected.";
        }
        Sleep(1);
        if (!slaveErrorLog.HardwarePresent()) {
            WriteCommonRam(BlockHandshakeOffset, 0);
            HandshakePause(10);
        }
    } while (ReadCommonRam(BlockHandshakeOffset) != 0);
}
} // namespace

void EnterDownloadMode() {
    for (int offset = 0; offset < CommonRamUsedSize; ++offset)
        WriteCommonRam(offset, 0);
    WriteCommonRam(SyncupOffset, 0xCC);
    WriteCommonRam(SyncupOffset + 1, 0x33);
    HandshakePause(1000);
    ClearAbort();
    SendStartCommand();
}

int32_t SendStartCommand() {
    for (int tries = 1;; ++tries) {
        ClearAbort();
        WriteCommonRam(CommandCodeOffset, 0x4F);
        WriteCommonRam(CommandCodeOffset + 1, 0x12);
        // The flag last: the slave reads the code once the flag is set.
        WriteCommonRam(CommandFlagOffset, 1);
        HandshakePause(1000);
        if (!SlaveAborted())
            return 0;
        if (tries >= StartCommandTries)
            return -1;
    }
}

void SendBlocks(const unsigned char* image, TWin& window) {
    char text[32];
    for (int block = 0; block < BlockCount; ++block) {
        std::snprintf(text, sizeof text, "Block %d", block + 1);
        ShowProgress(window, text);
        AwaitFreeWindow();
        const unsigned char* source = image + block * BlockSize;
        for (int i = 0; i < BlockSize; ++i)
            WriteCommonRam(BlockWindowOffset + i, source[i]);
        // Only once the whole block lies in the window.
        WriteCommonRam(BlockHandshakeOffset, 1);
        Sleep(1);
    }
}

void AwaitSlaveFinish(TWin& window) {
    char text[32];
    int seconds = 0;
    while (ReadCommonRam(BlockHandshakeOffset) != 0) {
        HandshakePause(1000);
        ++seconds;
        std::snprintf(text, sizeof text, "WAITING %d", seconds);
        ShowProgress(window, text);
        if (seconds > FinalWaitSeconds) {
            slaveErrorLog.FlagResetFailure();
            throw "Could not reset the Slave Hardware. Exiting...";
        }
        if (seconds > EmulatedSeconds && !slaveErrorLog.HardwarePresent())
            WriteCommonRam(BlockHandshakeOffset, 0);
    }
    WriteCommonRam(BlockHandshakeOffset, 0xFF);
    HandshakePause(200);
}

int32_t TransferBlocks(const unsigned char* image, TWin& window) {
    ShowProgress(window, "Downloading...");
    SendBlocks(image, window);
    ShowProgress(window, "");
    AwaitSlaveFinish(window);
    return 0;
}

uint32_t DownloadToSlave(const unsigned char* image, TWin& window) {
    window.SetCaption("SLAVE Flash Downloader - Progress");
    ShowProgress(window, "Putting hardware into download mode...");
    LocateCommonRam(window);
    const uint16_t syncup = ReadSyncup();
    bool transfer = true;
    switch (syncup) {
    case SyncupReady:
        EnterDownloadMode();
        break;
    case SyncupEmulation:
        Log(window, "No Slave Hardware: Emulating Download...");
        EnterDownloadMode();
        break;
    case SyncupRetry:
        LogSyncup(window, "cram[ syncup ] = %0x (retry needed).", syncup);
        slaveErrorLog.FlagRetry();
        WriteCommonRam(SyncupOffset, 0x99);
        WriteCommonRam(SyncupOffset + 1, 0x66);
        HandshakePause(1000);
        break;
    case SyncupDownloadMode:
        slaveErrorLog.FlagDownloadMode();
        LogSyncup(window, "cram[ syncup ] = %0x. You MUST POWER DOWN and UPDATE again.", syncup);
        transfer = false;
        break;
    default:
        slaveErrorLog.FlagNotReady();
        LogSyncup(window, "cram[ syncup ] = %0x.", syncup);
        transfer = false;
        break;
    }
    RecordWindowShot(window.GetHandle(), "progress-start");
    if (transfer) {
        try {
            TransferBlocks(image, window);
        } catch (const char* failure) {
            Log(window, failure);
        }
    }
    RecordWindowShot(window.GetHandle(), "progress");
    if (slaveErrorLog.Errors() != 0 || slaveErrorLog.Warnings() != 0)
        slaveErrorLog.ReportErrors();
    char result[16];
    std::snprintf(result, sizeof result, "0x%02x", static_cast<unsigned>(slaveErrorLog.Errors()));
    Record("slave-result", result);
    return slaveErrorLog.Errors();
}
