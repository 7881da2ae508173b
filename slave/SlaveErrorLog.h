#pragma once

#include <cstdint>

#include "text/TextBuffer.h"

class TWin;

// The record of what went wrong in the slave EEPROM upgrade: an errors mask and a warnings mask
// (bit i selects table text i) and numbered message lines. Bits are only ever set.
class SlaveErrorLog {
  public:
    enum : int32_t { SelectWarnings = 1, SelectErrors = 2 };

    SlaveErrorLog();
    virtual ~SlaveErrorLog();
    SlaveErrorLog(const SlaveErrorLog&) = delete;
    SlaveErrorLog& operator=(const SlaveErrorLog&) = delete;

    uint32_t Errors() const { return errors; }
    uint32_t Warnings() const { return warnings; }
    bool HardwarePresent() const { return (errors & 0x01) == 0; }

    void FlagNoHardware() { errors |= 0x01; }
    void FlagNotReady() { errors |= 0x02; }
    void FlagImageFailure() { errors |= 0x08; }
    void FlagDownloadMode() { errors |= 0x10; }
    void FlagSlaveAbort() { errors |= 0x20; }
    void FlagResetFailure() { errors |= 0x40; }
    void FlagRetry() { warnings |= 0x01; }

    void AddMessage(const char* message);
    const char* MessageText() const { return text.CStr(); }
    void ShowIn(TWin& window) const;

    // Fills report with the report text and returns its line count, from which the report
    // window takes its height.
    int32_t BuildReport(int32_t selection, TextBuffer& report) const;
    void Report(int32_t selection) const;
    void ReportErrors() const { Report(SelectErrors); }
    void ReportWarnings() const { Report(SelectWarnings); }
    void ReportAll() const { Report(SelectErrors | SelectWarnings); }

  private:
    uint32_t errors;
    uint32_t warnings;
    TextBuffer text;
    int32_t nextNumber;
};

// The one log of the process, constructed before WinMain runs.
extern SlaveErrorLog slaveErrorLog;
