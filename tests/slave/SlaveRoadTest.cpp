#include <windows.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "slave/BoardFolder.h"
#include "slave/SlaveErrorLog.h"
#include "slave/SlaveImage.h"
#include "twin/TWin.h"

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

TEST(SlaveRoad, BoardReceivesTheRawImageByteForByte) {
    const std::string board = BoardFolder("slaveboard", "syncup 0xCC33\n");
    std::vector<unsigned char> image(ImageSize);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>((i * 131) ^ (i >> 9));
    const std::string path = board + "\\SLAVE.BIN";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    TWin window;
    window.SetRect(50, 75, 425, 110);

    EXPECT_EQ(Success, RunSlaveDownload(path.c_str(), window));
    EXPECT_EQ(0u, slaveErrorLog.Errors());
    std::vector<unsigned char> received;
    for (int wait = 0; wait < 200 && received.size() != image.size(); ++wait) {
        Sleep(10);
        received = ReadAll(board + "\\board-received.bin");
    }
    EXPECT_TRUE(received == image);
    std::vector<std::string> events = Lines(board + "\\board-events.txt");
    for (std::string& event : events)
        event = event.substr(event.find(" us ") + 4);
    const std::vector<std::string> expected = {
        "syncup cc33 posted", "download mode",   "start command 4f 12 accepted",
        "block 1 taken",      "block 512 taken", "download closed with 255"};
    EXPECT_EQ(expected, events);
}
