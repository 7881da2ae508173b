#include <windows.h>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "slave/SlaveErrorLog.h"

namespace {
const char reportCaption[] = "SLAVE Flash Downloader - Errors & Warnings";

struct ReportSeen {
    RECT rect = {0, 0, 0, 0};
    COLORREF corner = CLR_INVALID;
};

// Watches from a second thread while the report stands, since Report blocks the caller.
ReportSeen WatchReport(std::atomic<bool>& done) {
    ReportSeen seen;
    while (!done && seen.corner != 0xBBBBBB) {
        HWND window = FindWindowA("Basic TWin", reportCaption);
        if (window && IsWindowVisible(window)) {
            GetWindowRect(window, &seen.rect);
            RECT client;
            GetClientRect(window, &client);
            HDC dc = GetDC(window);
            seen.corner = GetPixel(dc, client.right - 3, client.bottom - 3);
            ReleaseDC(window, dc);
        }
        Sleep(1);
    }
    return seen;
}
} // namespace

TEST(SlaveRoad, ReportStandsInItsOwnGreyWindowThenGoes) {
    SlaveErrorLog log;
    log.FlagNoHardware();
    log.FlagSlaveAbort();
    std::atomic<bool> done(false);
    ReportSeen seen;
    std::thread watcher([&] { seen = WatchReport(done); });
    log.ReportErrors();
    done = true;
    watcher.join();
    EXPECT_EQ(50, seen.rect.left);
    EXPECT_EQ(190, seen.rect.top);
    EXPECT_EQ(425, seen.rect.right - seen.rect.left);
    EXPECT_EQ(164, seen.rect.bottom - seen.rect.top);
    EXPECT_EQ(0xBBBBBBu, seen.corner);
    EXPECT_EQ(nullptr, FindWindowA("Basic TWin", reportCaption));
}
