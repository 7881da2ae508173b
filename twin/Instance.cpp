#include "twin/Instance.h"

namespace {
HINSTANCE storedInstance = nullptr;
}

HINSTANCE ToolkitInstance() { return storedInstance ? storedInstance : GetModuleHandleA(nullptr); }

void SetToolkitInstance(HINSTANCE instance) { storedInstance = instance; }
