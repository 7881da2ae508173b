#pragma once

#include <windows.h>

// The board's records, files beside the library. Plain Win32 file calls: they also run while
// the process ends, when the run-time library's locks may be held by killed threads.
void SetRecordFolder(HMODULE library);
void RecordLine(const char* name, const char* line);
void RecordBytes(const char* name, const volatile unsigned char* bytes, DWORD count);
// Microseconds since the library was loaded.
DWORD MicrosecondsSinceLoad();
