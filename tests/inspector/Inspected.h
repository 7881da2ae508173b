#pragma once

#include <windows.h>

#include "twin/MessagePump.h"
#include "twin/TWin.h"
#include "twin/TWinInspector.h"

// An inspected window that shows its attached inspector and counts the texts set on it.
class Inspected : public TWin {
  public:
    TWinInspector* Attached() const { return inspector; }
    HWND InspectorWindow() const { return inspector ? inspector->GetHandle() : nullptr; }

    TWin& SetText(const char* newText, int32_t mode) override {
        ++textsSet;
        return TWin::SetText(newText, mode);
    }

    int textsSet = 0;
};
