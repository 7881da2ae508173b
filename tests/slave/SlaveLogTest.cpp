#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "slave/SlaveErrorLog.h"

namespace {
std::string ReportOf(const SlaveErrorLog& log, int32_t selection, int32_t& height) {
    TextBuffer report;
    height = 18 * log.BuildReport(selection, report) + 20;
    return report.CStr();
}
const std::string hyphens = "---------------------\n", wait = "\nWait 15 seconds to return.\n";

// The report window's creations as a CBT hook sees them; it refuses the first few, as the platform
// may, setting no error.
const char reportCaption[] = "SLAVE Flash Downloader - Errors & Warnings";
int creations = 0, refusals = 0, destroyed = 0;
LRESULT CALLBACK WatchReport(int code, WPARAM wParam, LPARAM lParam) {
    char caption[64] = "";
    if (code == HCBT_CREATEWND) {
        const char* name = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszName;
        if (name != nullptr && std::string(name) == reportCaption && ++creations <= refusals)
            return 1;
    } else if (code == HCBT_DESTROYWND &&
               GetWindowTextA(reinterpret_cast<HWND>(wParam), caption, sizeof caption) &&
               std::string(caption) == reportCaption) {
        ++destroyed;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

TEST(SlaveErrorLog, NumberedLinesAndTheReportOfEachSelection) {
    SlaveErrorLog log;
    for (int i = 1; i <= 10; ++i)
        log.AddMessage(i == 10 ? "tenth" : "text");
    EXPECT_EQ(0u, std::string(log.MessageText()).find("1. text\n2. text\n"));
    EXPECT_NE(std::string::npos, std::string(log.MessageText()).find("\n10. tenth\n"));

    SlaveErrorLog retry, errors;
    retry.FlagRetry();
    errors.FlagSlaveAbort();
    errors.FlagNoHardware();
    errors.FlagSlaveAbort();
    const std::string noWarnings = hyphens + "No warnings were found.\n" + wait;
    const struct {
        const SlaveErrorLog& log;
        int32_t selection, height;
        std::string report;
    } cases[] = {
        {log, 2, 92, "No errors or warnings were found.\n" + wait},
        {retry, 2, 146,
         "Errors And Warnings:\n" + hyphens + "No errors were found.\n" + noWarnings},
        {retry, 3, 164,
         "Errors And Warnings:\n" + hyphens + "No errors were found.\n" + hyphens +
             "Warning 1: Previous slave update attempt failed. Retrying.\n" + wait},
        {errors, 2, 164,
         "Errors And Warnings:\n" + hyphens + "Error 1: Slave hardware not found.\n" +
             "Error 6: Slave aborted the operation.\n" + noWarnings},
    };
    for (const auto& c : cases) {
        int32_t height = 0;
        EXPECT_EQ(c.report, ReportOf(c.log, c.selection, height)) << c.selection;
        EXPECT_EQ(c.height, height) << c.report;
    }
    EXPECT_EQ(0x21u, errors.Errors());
    EXPECT_FALSE(errors.HardwarePresent());
}

TEST(SlaveErrorLog, ReportStandsThoughItsWindowIsRefusedAtFirst) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchReport, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    SlaveErrorLog log;
    log.FlagNoHardware();
    for (int refused : {2, 9}) {
        creations = destroyed = 0;
        refusals = refused;
        log.ReportErrors();
        EXPECT_EQ(refused == 2 ? 3 : 5, creations) << "tries with " << refused << " refused";
        EXPECT_EQ(refused == 2 ? 1 : 0, destroyed) << "report windows that stood";
    }
    UnhookWindowsHookEx(hook);
}
