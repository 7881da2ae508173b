#include <windows.h>

#include <cstdio>

// Appends its command line and working directory to ZR7KM.started beside itself, so that a test
// can tell how (and how often) the upgrade restarted the application; then runs on, as the
// instrument's application does until the instrument is switched off. Whoever started it must
// not wait for it: the test ends it with the rest of the instrument.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH + 16] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    char* dot = strrchr(path, '.');
    if (dot == nullptr)
        return 1;
    strcpy(dot, ".started");
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    FILE* file = fopen(path, "ab");
    if (file == nullptr)
        return 1;
    fprintf(file, "command line: %s\nworking directory: %s\n", GetCommandLineA(), directory);
    fclose(file);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
