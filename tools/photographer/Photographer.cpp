// Photographer FOLDER PROGRAM [WORD...]
// Starts PROGRAM with the command line that `wine PROGRAM WORD...` would give it ("PROGRAM" in
// quotation marks, then the words) and photographs the whole desktop each time the run shows
// something new: a new status line (the client area of the run's first toolkit window changes)
// or a new toolkit window. A caption alone makes no photograph, since the program sets the
// caption a moment before the status line that goes with it.
// FOLDER receives frame-NN.bmp and frames.txt, whose tab-separated lines are
//   frame  NN  MS                  a photograph, MS milliseconds after the start
//   window X Y WIDTH HEIGHT CX CY CWIDTH CHEIGHT CAPTION
//                                  each toolkit window of the run on it, in the order they
//                                  appeared: its frame, its client area (desktop coordinates)
//   end    EXITCODE  MS            the program ended
//   behind MS                      the longest time between two looks at the screen, when it
//                                  was so long that a status line could have come and gone
//                                  unphotographed (a machine too busy to keep up)
// and the photographer ends with the program's exit code.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/ChildProcess.h"
#include "common/Handles.h"
#include "twin/Bitmap.h"

namespace {
const DWORD PollMs = 50;
// A status line counts once its pixels have held for this many polls, so that a line caught
// half drawn makes no photograph of its own.
const int StablePolls = 3;
// The shortest a status line stands is two seconds: with looks further apart than a third of
// that, one could pass without the polls that photograph it.
const DWORD LongestGapMs = 2000 / StablePolls;

struct Tracked {
    HWND handle;
    DWORD firstSeen;
    int polls;
    bool photographed;
};

struct Run {
    DWORD processId;
    std::vector<Tracked> windows;
};

BOOL CALLBACK CollectWindow(HWND handle, LPARAM parameter) {
    Run& run = *reinterpret_cast<Run*>(parameter);
    char className[64];
    DWORD owner = 0;
    GetWindowThreadProcessId(handle, &owner);
    if (owner != run.processId || !IsWindowVisible(handle) ||
        GetClassNameA(handle, className, sizeof className) == 0 ||
        lstrcmpA(className, "Basic TWin") != 0)
        return TRUE;
    for (const Tracked& known : run.windows)
        if (known.handle == handle)
            return TRUE;
    run.windows.push_back({handle, 0, 0, false});
    return TRUE;
}

// The desktop as the screen shows it, or part of it.
std::vector<unsigned char> Grab(int x, int y, int width, int height) {
    HDC screen = GetDC(nullptr);
    std::vector<unsigned char> bits = GrabBits(screen, x, y, width, height);
    ReleaseDC(nullptr, screen);
    return bits;
}

// A digest of the client area's pixels; 0 when the window shows no status line yet (a client
// of one colour: every status line has text).
unsigned ClientDigest(HWND handle) {
    RECT client;
    POINT origin = {0, 0};
    if (!GetClientRect(handle, &client) || client.right <= 0 || client.bottom <= 0 ||
        !ClientToScreen(handle, &origin))
        return 0;
    const std::vector<unsigned char> bits = Grab(origin.x, origin.y, client.right, client.bottom);
    unsigned digest = 2166136261u;
    bool uniform = true;
    for (size_t i = 0; i < bits.size(); ++i) {
        digest = (digest ^ bits[i]) * 16777619u;
        if (i >= 3 && bits[i] != bits[i % 3])
            uniform = false;
    }
    return uniform ? 0 : (digest | 1);
}

void SaveDesktop(const std::string& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    SaveBitmap(path.c_str(), width, height, Grab(0, 0, width, height));
}

void ListWindow(FILE* index, HWND handle) {
    RECT frame;
    RECT client;
    POINT origin = {0, 0};
    char caption[256] = "";
    GetWindowRect(handle, &frame);
    GetClientRect(handle, &client);
    ClientToScreen(handle, &origin);
    GetWindowTextA(handle, caption, sizeof caption);
    std::fprintf(index, "window\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%s\n", frame.left,
                 frame.top, frame.right - frame.left, frame.bottom - frame.top, origin.x, origin.y,
                 client.right, client.bottom, caption);
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) {
        std::fprintf(stderr, "usage: Photographer FOLDER PROGRAM [WORD...]\n");
        return 2;
    }
    const std::string folder = __argv[1];
    std::string commandLine = std::string("\"") + __argv[2] + "\"";
    for (int i = 3; i < __argc; ++i)
        commandLine += std::string(" ") + __argv[i];
    StdFile indexFile((folder + "\\frames.txt").c_str(), "wb");
    FILE* index = indexFile.Get();
    if (index == nullptr) {
        std::fprintf(stderr, "Photographer: cannot write to %s\n", folder.c_str());
        return 2;
    }

    const DWORD start = GetTickCount();
    const Handle child = StartChild(commandLine.c_str(), false);
    const HANDLE process = child.Get();
    if (!child.IsOpen()) {
        std::fprintf(stderr, "Photographer: cannot start %s\n", commandLine.c_str());
        return 2;
    }

    Run run = {GetProcessId(process), {}};
    unsigned shown = 0;
    unsigned candidate = 0;
    DWORD candidateSeen = 0;
    int candidatePolls = 0;
    int frames = 0;
    DWORD lastLook = 0, longestGap = 0;
    while (WaitForSingleObject(process, PollMs) == WAIT_TIMEOUT) {
        const DWORD now = GetTickCount() - start;
        if (now - lastLook > longestGap)
            longestGap = now - lastLook;
        lastLook = now;
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&run));
        DWORD frameTime = 0;
        bool photograph = false;
        for (size_t i = 0; i < run.windows.size(); ++i) {
            Tracked& window = run.windows[i];
            if (!IsWindow(window.handle) || !IsWindowVisible(window.handle))
                continue;
            if (window.polls++ == 0)
                window.firstSeen = now;
            // The first window is the status window, photographed at each status line; every
            // later one when it opens.
            if (i > 0 && !window.photographed && window.polls >= StablePolls) {
                window.photographed = true;
                photograph = true;
                frameTime = window.firstSeen;
            }
        }
        if (!run.windows.empty() && IsWindow(run.windows[0].handle)) {
            const unsigned digest = ClientDigest(run.windows[0].handle);
            if (digest != candidate) {
                candidate = digest;
                candidateSeen = now;
                candidatePolls = 0;
            }
            if (++candidatePolls >= StablePolls && candidate != 0 && candidate != shown) {
                shown = candidate;
                if (!photograph || candidateSeen < frameTime)
                    frameTime = candidateSeen;
                photograph = true;
            }
        }
        if (!photograph)
            continue;
        ++frames;
        char name[32];
        std::snprintf(name, sizeof name, "frame-%02d.bmp", frames);
        SaveDesktop(folder + "\\" + name);
        std::fprintf(index, "frame\t%02d\t%lu\n", frames, frameTime);
        for (const Tracked& window : run.windows)
            if (IsWindow(window.handle) && IsWindowVisible(window.handle))
                ListWindow(index, window.handle);
        std::fflush(index);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process, &exitCode);
    if (longestGap > LongestGapMs)
        std::fprintf(index, "behind\t%lu\n", longestGap);
    std::fprintf(index, "end\t%lu\t%lu\n", exitCode, GetTickCount() - start);
    return static_cast<int>(exitCode);
}
