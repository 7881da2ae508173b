#pragma once

#include <windows.h>

// The settling times of the board handshake (after a syncup command, after each start command,
// each second of the final wait, after the download). The shipped program sleeps the full time;
// the test build sleeps a tenth, which a simulated board on its own thread still meets.
void HandshakePause(DWORD milliseconds);

// The test build writes what the slave road shows (kind, then the text with line feeds as \n)
// to the transcript named by ZR7_TRANSCRIPT; the shipped program records nothing.
void RecordSlave(const char* kind, const char* text);
