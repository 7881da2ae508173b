#pragma once

#include <windows.h>

// Every fixed pause of a run goes through Pause. The shipped program sleeps the full time. The
// test build writes each status line, caption, pause (with the status line then on screen) and
// child command line to the transcript file named by ZR7_TRANSCRIPT, and sleeps a hundredth.
void Pause(DWORD milliseconds);
void RecordStatus(const char* text);
void RecordCaption(const char* caption);
void RecordChild(const char* commandLine);
