#pragma once

#include <vector>

#include "twin/TWin.h"

// A window that records what reaches its command, system-command and default slots.
class Recorder : public TWin {
  public:
    struct Call {
        UINT message;
        WPARAM wParam;
    };

    LRESULT OnCommand(WPARAM wParam, LPARAM) override {
        calls.push_back(Call{WM_COMMAND, wParam});
        return 42;
    }
    LRESULT OnSysCommand(WPARAM wParam, LPARAM) override {
        calls.push_back(Call{WM_SYSCOMMAND, wParam});
        return sysCommandResult;
    }
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SYSCOMMAND || message == WM_SETFONT) {
            calls.push_back(Call{message, wParam});
            return 0;
        }
        return TWin::DefaultProc(message, wParam, lParam);
    }

    uint32_t StoredStyle() const { return style; }
    const LOGFONTA& StoredLogFont() const { return logFont; }

    std::vector<Call> calls;
    LRESULT sysCommandResult = 0;
};
