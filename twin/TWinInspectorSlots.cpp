#include "twin/TWin.h"

// The inspector slots of every window. The inspector window kind brings their real behaviour;
// until it does, no window ever has an inspector attached.

void TWin::OpenInspector(int32_t, int32_t) {}

int32_t TWin::FillInspectorRows(InspectorRow*, int32_t) { return 0; }

void TWin::RefreshInspector() {}
