// Runs the program's own block transfer against ZRSlaveDriver.dll beside it (set to take each
// block at once) and writes to SlaveBench.txt beside it: the transfer time, its floor of two
// Sleep(1) per block with Sleep(1) timed in this run, and their ratio.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "common/Handles.h"
#include "slave/CommonRam.h"
#include "slave/SlaveDownload.h"
#include "twin/TWin.h"

namespace {
double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH - 16);
    while (length > 0 && path[length - 1] != '\\')
        --length;
    lstrcpyA(path + length, "SlaveBench.txt");
    StdFile report(path, "w");
    FILE* out = report.Get();
    if (out == nullptr)
        return 1;

    const int sleeps = 200;
    double start = Now();
    for (int i = 0; i < sleeps; ++i)
        Sleep(1);
    const double sleepMs = (Now() - start) / sleeps;

    if (!FindCommonRam()) {
        std::fprintf(out, "no simulated board found beside the bench\n");
        return 1;
    }
    TWin window;
    window.SetCaption("SLAVE Flash Downloader - Progress");
    window.SetRect(50, 75, 425, 110);
    std::vector<unsigned char> image(512 * 256);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 13);
    EnterDownloadMode();
    start = Now();
    SendBlocks(image.data(), window);
    const double transferMs = Now() - start;
    AwaitSlaveFinish(window);

    const double floorMs = 512 * 2 * sleepMs;
    std::fprintf(out, "Sleep(1) takes %.3f ms (%d calls timed)\n", sleepMs, sleeps);
    std::fprintf(out, "transfer of 512 blocks: %.1f ms\n", transferMs);
    std::fprintf(out, "floor, 512 blocks x 2 x Sleep(1): %.1f ms\n", floorMs);
    std::fprintf(out, "ratio transfer / floor: %.3f\n", transferMs / floorMs);
    return 0;
}
