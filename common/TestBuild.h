#pragma once

#include <windows.h>

// Everything in which the test build differs from the program shipped. The program shipped sleeps
// every pause in full, takes its memory and drive figures from the platform and records nothing.
// The test build
// - sleeps a hundredth of each fixed pause of the run and a tenth of each settling time of the
//   board handshake (a simulated board on its own thread still meets them);
// - writes what the run shows and does to the transcript named by ZR7_TRANSCRIPT, a record a
//   line: its kind, a blank and its text, a line end in the text written as \n;
// - saves the client area of a window as <name>.bmp in the folder named by ZR7_SHOTS, read back
//   from the window's own device context: under Wine, what a window draws while its thread pumps
//   no messages does not reach the X screen, so a screenshot would miss it;
// - answers the memory status and a drive's figures from the environment, since Wine reports the
//   host's: ZR7_MEMORY "total available" (bytes of physical memory, and the load they make; the
//   rest of the status is the platform's) and ZR7_DISK_<letter> "sectors-per-cluster
//   bytes-per-sector free-clusters total-clusters" (other drives as the platform answers).

// A fixed pause of the run, recorded with the status line then on screen.
void Pause(DWORD milliseconds);
// A settling time of the board handshake.
void HandshakePause(DWORD milliseconds);

void Record(const char* kind, const char* text);
// A status line, remembered for the pauses that follow it.
void RecordStatus(const char* text);
// A child's command line, and the error mode it inherits from the program on Windows (Wine
// passes none on, so no child could tell).
void RecordChild(const char* commandLine);
// How long the program waits for a child, in milliseconds or "infinite".
void RecordWait(DWORD milliseconds);
void RecordWindowShot(HWND window, const char* name);

void MeasureMemory(MEMORYSTATUS& status);
BOOL MeasureDiskClusters(const char* rootPath, DWORD& sectorsPerCluster, DWORD& bytesPerSector,
                         DWORD& freeClusters, DWORD& totalClusters);
