#include "slave/SlaveErrorLog.h"

#include "common/TestBuild.h"
#include "twin/TWin.h"

namespace {
const char* const errorTexts[16] = {
    "Error 1: Slave hardware not found.",
    "Error 2: Slave not ready (syncup value incorrect).",
    "Error 3: Can't open download image file (A:SLAVE.BIN)",
    "Error 4: Read from image file failed.",
    "Error 5: Slave is in Download Mode. You must POWER OFF and re-update.",
    "Error 6: Slave aborted the operation.",
    "Error 7: Slave reset after download failed.",
    "Error 8: ",
    "Error 9: ",
    "Error 10: ",
    "Error 11: ",
    "Error 12: ",
    "Error 13: ",
    "Error 14: ",
    "Error 15: ",
    "Error 16: ",
};

const char* const warningTexts[16] = {
    "Warning 1: Previous slave update attempt failed. Retrying.",
    "Warning 2: ",
    "Warning 3: ",
    "Warning 4: ",
    "Warning 5: ",
    "Warning 6: ",
    "Warning 7: ",
    "Warning 8: ",
    "Warning 9: ",
    "Warning 10: ",
    "Warning 11: ",
    "Warning 12: ",
    "Warning 13: ",
    "Warning 14: ",
    "Warning 15: ",
    "Warning 16: ",
};

const char hyphenLine[] = "---------------------\n";
const int ReportTries = 5;

int32_t AppendTable(TextBuffer& report, const char* const* table, uint32_t mask) {
    int32_t lines = 0;
    for (int bit = 0; bit < 16; ++bit) {
        if (mask & (1u << bit)) {
            report.Append(table[bit]).Append("\n");
            ++lines;
        }
    }
    return lines;
}
} // namespace

// The one log of the process, built by static initialisation before WinMain runs.
SlaveErrorLog slaveErrorLog;

SlaveErrorLog::SlaveErrorLog() : errors(0), warnings(0), nextNumber(1) {}

SlaveErrorLog::~SlaveErrorLog() {}

void SlaveErrorLog::AddMessage(const char* message) {
    text.AppendNumber(nextNumber).Append(". ").Append(message).Append("\n");
    ++nextNumber;
}

int32_t SlaveErrorLog::BuildReport(int32_t selection, TextBuffer& report) const {
    int32_t counter = 1;
    if (errors == 0 && warnings == 0) {
        report.Assign("No errors or warnings were found.\n");
        ++counter;
    } else {
        report.Assign("Errors And Warnings:\n").Append(hyphenLine);
        counter += 2;
        if ((selection & SelectErrors) && errors != 0) {
            counter += AppendTable(report, errorTexts, errors);
        } else {
            report.Append("No errors were found.\n");
            ++counter;
        }
        if ((selection & SelectWarnings) && warnings != 0) {
            report.Append(hyphenLine);
            counter += 1 + AppendTable(report, warningTexts, warnings);
        } else {
            // Two lines with one count: the counter began at 1, so the height still fits.
            report.Append(hyphenLine).Append("No warnings were found.\n");
            ++counter;
        }
    }
    counter += 2;
    report.Append("\nWait 15 seconds to return.\n");
    return counter;
}

void SlaveErrorLog::ShowIn(TWin& window) const {
    window.SetText(text.CStr(), 1);
    Record("slave-log", text.CStr());
}

void SlaveErrorLog::Report(int32_t selection) const {
    TextBuffer report;
    const int32_t counter = BuildReport(selection, report);
    TWin window;
    window.SetCaption("SLAVE Flash Downloader - Errors & Warnings");
    window.SetBackgroundColor(0xBBBBBB);
    window.SetFont("Arial", 14, 400, 0);
    window.SetRect(50, 190, 425, 18 * counter + 20);
    // Wine has been seen to refuse this window under heavy load, once in many runs, without an
    // error of its own. The toolkit tries again at the next Show; the report has no later one,
    // so it tries here, a moment apart, before it stands unseen.
    for (int tries = 1; window.GetHandle() == nullptr && tries < ReportTries; ++tries) {
        Sleep(100);
        window.Show();
    }
    const DWORD notCreated = window.GetHandle() ? 0 : GetLastError();
    window.SetText(report.CStr(), 1);
    RECT shown = {0, 0, 0, 0};
    char height[32];
    if (GetWindowRect(window.GetHandle(), &shown))
        wsprintfA(height, "%ld", shown.bottom - shown.top);
    else // the record says why no report window stands
        wsprintfA(height, "none (error %lu)", notCreated);
    Record("slave-report-height", height);
    Record("slave-report", report.CStr());
    RecordWindowShot(window.GetHandle(), "report");
    // The report stands without pumping messages, as the whole download does.
    Pause(15000);
}
