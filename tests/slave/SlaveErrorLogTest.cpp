#include <string>

#include <gtest/gtest.h>

#include "slave/SlaveErrorLog.h"

namespace {
std::string ReportOf(const SlaveErrorLog& log, int32_t selection, int32_t& height) {
    TextBuffer report;
    height = 18 * log.BuildReport(selection, report) + 20;
    return report.CStr();
}
} // namespace

TEST(SlaveErrorLog, MessagesAreNumberedLines) {
    SlaveErrorLog log;
    for (int i = 1; i <= 10; ++i)
        log.AddMessage(i == 10 ? "tenth" : "text");
    const std::string text = log.MessageText();
    EXPECT_EQ(0u, text.find("1. text\n2. text\n3. text\n"));
    EXPECT_NE(std::string::npos, text.find("\n10. tenth\n"));
    EXPECT_EQ('\n', text.back());
}

TEST(SlaveErrorLog, ReportListsTheSelectedMasks) {
    SlaveErrorLog log;
    int32_t height = 0;
    log.AddMessage("messages are not part of the report");
    EXPECT_EQ("No errors or warnings were found.\n\nWait 15 seconds to return.\n",
              ReportOf(log, SlaveErrorLog::SelectErrors, height));
    EXPECT_EQ(92, height);

    log.FlagRetry();
    EXPECT_EQ("Errors And Warnings:\n---------------------\nNo errors were found.\n"
              "---------------------\nNo warnings were found.\n\nWait 15 seconds to return.\n",
              ReportOf(log, SlaveErrorLog::SelectErrors, height));
    EXPECT_NE(std::string::npos,
              ReportOf(log, 3, height)
                  .find("---------------------\nWarning 1: Previous slave update attempt "
                        "failed. Retrying.\n\nWait"));

    SlaveErrorLog errors;
    errors.FlagNoHardware();
    errors.FlagSlaveAbort();
    errors.FlagSlaveAbort();
    EXPECT_EQ(0x21u, errors.Errors());
    EXPECT_FALSE(errors.HardwarePresent());
    EXPECT_EQ("Errors And Warnings:\n---------------------\nError 1: Slave hardware not found.\n"
              "Error 6: Slave aborted the operation.\n---------------------\n"
              "No warnings were found.\n\nWait 15 seconds to return.\n",
              ReportOf(errors, SlaveErrorLog::SelectErrors, height));
    EXPECT_EQ(164, height);

    SlaveErrorLog late;
    late.FlagSlaveAbort();
    late.FlagResetFailure();
    EXPECT_EQ(0x60u, late.Errors());
    EXPECT_TRUE(late.HardwarePresent());
}
