#include "common/TestBuild.h"

#ifdef ZR7_TEST_BUILD

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "twin/Bitmap.h"

namespace {
std::string statusOnScreen;

bool ReadSeam(const char* name, char (&value)[128]) {
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value;
}
} // namespace

void Record(const char* kind, const char* text) {
    // Opened once and flushed with every record: the handshake's loop records a pause every few
    // milliseconds, which an open and a close each time would stretch.
    static FILE* file = nullptr;
    const char* path = std::getenv("ZR7_TRANSCRIPT");
    if (file == nullptr && path != nullptr && *path != 0)
        file = std::fopen(path, "abN"); // N: the children do not inherit it
    if (file == nullptr)
        return;
    std::fprintf(file, "%s ", kind);
    for (const char* c = text ? text : ""; *c; ++c) {
        if (*c == '\n')
            std::fputs("\\n", file);
        else
            std::fputc(*c, file);
    }
    std::fputc('\n', file);
    std::fflush(file);
}

void Pause(DWORD milliseconds) {
    Record("pause", (std::to_string(milliseconds) + " | " + statusOnScreen).c_str());
    Sleep(milliseconds / 100);
}

void HandshakePause(DWORD milliseconds) {
    Record("handshake", std::to_string(milliseconds).c_str());
    Sleep(milliseconds / 10);
}

void RecordStatus(const char* text) {
    statusOnScreen = text ? text : "";
    Record("status", statusOnScreen.c_str());
}

void RecordChild(const char* commandLine) {
    Record("child", commandLine);
    const UINT mode = SetErrorMode(0);
    SetErrorMode(mode);
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", mode);
    Record("error-mode", text);
}

void RecordWait(DWORD milliseconds) {
    Record("wait", milliseconds == INFINITE ? "infinite" : std::to_string(milliseconds).c_str());
}

void RecordWindowShot(HWND window, const char* name) {
    const char* folder = std::getenv("ZR7_SHOTS");
    RECT client;
    if (folder == nullptr || *folder == 0 || window == nullptr || !GetClientRect(window, &client))
        return;
    HDC dc = GetDC(window);
    const std::vector<unsigned char> bits = GrabBits(dc, 0, 0, client.right, client.bottom);
    ReleaseDC(window, dc);
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\%s.bmp", folder, name);
    SaveBitmap(path, client.right, client.bottom, bits);
}

#else

void Pause(DWORD milliseconds) { Sleep(milliseconds); }
void HandshakePause(DWORD milliseconds) { Sleep(milliseconds); }
void Record(const char*, const char*) {}
void RecordStatus(const char*) {}
void RecordChild(const char*) {}
void RecordWait(DWORD) {}
void RecordWindowShot(HWND, const char*) {}

#endif

void MeasureMemory(MEMORYSTATUS& status) {
    status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
#ifdef ZR7_TEST_BUILD
    char value[128];
    unsigned long long total = 0, available = 0;
    if (ReadSeam("ZR7_MEMORY", value) && std::sscanf(value, "%llu %llu", &total, &available) == 2 &&
        available <= total) {
        status.dwTotalPhys = static_cast<SIZE_T>(total);
        status.dwAvailPhys = static_cast<SIZE_T>(available);
        status.dwMemoryLoad = total == 0 ? 0 : static_cast<DWORD>(100 - available * 100 / total);
    }
#endif
}

BOOL MeasureDiskClusters(const char* rootPath, DWORD& sectorsPerCluster, DWORD& bytesPerSector,
                         DWORD& freeClusters, DWORD& totalClusters) {
#ifdef ZR7_TEST_BUILD
    char name[] = "ZR7_DISK_?", value[128];
    if (rootPath != nullptr && rootPath[0] != '\0' && rootPath[1] == ':') {
        name[sizeof name - 2] =
            static_cast<char>(std::toupper(static_cast<unsigned char>(rootPath[0])));
        if (ReadSeam(name, value))
            return std::sscanf(value, "%lu %lu %lu %lu", &sectorsPerCluster, &bytesPerSector,
                               &freeClusters, &totalClusters) == 4;
    }
#endif
    return GetDiskFreeSpaceA(rootPath, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                             &totalClusters);
}
