#pragma once

#include <windows.h>

#include <cstdint>

#include "twin/TWin.h"

class TWinInspector;

// The one-line edit field that an inspector opens over itself: a system EDIT control.
class TWinEditPopup : public TWin {
  public:
    explicit TWinEditPopup(TWinInspector* inspector);
    ~TWinEditPopup() override;

    void Paint() override;
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool RegisterWindowClass() override;
    virtual void SetEditText(const char* newText); // 89
};
