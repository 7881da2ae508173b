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
