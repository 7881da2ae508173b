#include "BoardRecord.h"

namespace {
char folder[MAX_PATH];
LARGE_INTEGER loadTime;
LARGE_INTEGER frequency;

HANDLE OpenRecord(const char* name, DWORD disposition) {
    char path[MAX_PATH + 32];
    lstrcpynA(path, folder, MAX_PATH);
    lstrcatA(path, name);
    return CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}
} // namespace

void SetRecordFolder(HMODULE library) {
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&loadTime);
    DWORD length = GetModuleFileNameA(library, folder, MAX_PATH);
    while (length > 0 && folder[length - 1] != '\\' && folder[length - 1] != '/')
        --length;
    folder[length] = 0;
}

void RecordLine(const char* name, const char* line) {
    HANDLE file = OpenRecord(name, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return;
    SetFilePointer(file, 0, nullptr, FILE_END);
    DWORD written;
    WriteFile(file, line, lstrlenA(line), &written, nullptr);
    WriteFile(file, "\r\n", 2, &written, nullptr);
    CloseHandle(file);
}

void RecordBytes(const char* name, const volatile unsigned char* bytes, DWORD count) {
    HANDLE file = OpenRecord(name, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written;
    WriteFile(file, const_cast<const unsigned char*>(bytes), count, &written, nullptr);
    CloseHandle(file);
}

DWORD MicrosecondsSinceLoad() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<DWORD>((now.QuadPart - loadTime.QuadPart) * 1000000 / frequency.QuadPart);
}
