#include <windows.h>

#include <fcntl.h>
#include <fdi.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// What the tool does besides extracting, read from the .ini file of its own name: one setting a
// line ("shortFile 2", "then crash"); a missing file or line keeps the default, a whole tool.
struct ToolSettings {
    int shortFile = 0;   // this file of the cabinet (1 for the first) is left short...
    long shortBytes = 0; // ...after this many of its bytes
    // Then the tool faults ("then crash"), hangs as on a drive that stopped answering ("then
    // wait") or ends ("then exit").
    bool crash = false;
    bool hang = false;
    int exitCode = 0; // the code it ends with, also after a whole extraction
};

namespace {
ToolSettings settings;
std::string destination;
int filesBegun = 0;
INT_PTR shortHandle = -1;
long shortWritten = 0;

ToolSettings ReadSettings() {
    ToolSettings read;
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* dot = std::strrchr(path, '.');
    if (n == 0 || n >= MAX_PATH || dot == nullptr)
        return read;
    std::strcpy(dot, ".ini");
    FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return read;
    char line[128], name[32], value[32];
    while (std::fgets(line, sizeof line, file)) {
        if (std::sscanf(line, "%31s %31s", name, value) != 2)
            continue;
        if (std::strcmp(name, "shortFile") == 0)
            read.shortFile = std::atoi(value);
        else if (std::strcmp(name, "shortBytes") == 0)
            read.shortBytes = std::atol(value);
        else if (std::strcmp(name, "then") == 0) {
            read.crash = std::strcmp(value, "crash") == 0;
            read.hang = std::strcmp(value, "wait") == 0;
        } else if (std::strcmp(name, "exitCode") == 0)
            read.exitCode = std::atoi(value);
    }
    std::fclose(file);
    return read;
}

[[noreturn]] void GiveUp() {
    // An access violation, as a real fault; the address read at run time is none the
    // compiler can see through.
    static volatile uintptr_t unmapped = 16;
    if (settings.crash)
        *reinterpret_cast<volatile int*>(unmapped) = 0;
    while (settings.hang)
        Sleep(INFINITE);
    std::exit(settings.exitCode);
}

// The folders of a file's path within the cabinet, below the destination.
void MakeFolders(const std::string& path) {
    for (size_t at = path.find('\\', destination.size() + 1); at != std::string::npos;
         at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
}

FNALLOC(Allocate) { return std::malloc(cb); }
FNFREE(Free) { std::free(pv); }
FNOPEN(Open) { return _open(pszFile, oflag | _O_BINARY, pmode); }
FNREAD(Read) { return static_cast<UINT>(_read(static_cast<int>(hf), pv, cb)); }
FNCLOSE(Close) { return _close(static_cast<int>(hf)); }
FNSEEK(Seek) { return _lseek(static_cast<int>(hf), dist, seektype); }

FNWRITE(Write) {
    if (hf != shortHandle)
        return static_cast<UINT>(_write(static_cast<int>(hf), pv, cb));
    const long room = settings.shortBytes - shortWritten;
    const UINT part = room < static_cast<long>(cb) ? static_cast<UINT>(room > 0 ? room : 0) : cb;
    _write(static_cast<int>(hf), pv, part);
    shortWritten += part;
    if (part < cb)
        GiveUp();
    return cb;
}

FNFDINOTIFY(Notify) {
    switch (fdint) {
    case fdintCOPY_FILE: {
        const std::string path = destination + "\\" + pfdin->psz1;
        MakeFolders(path);
        INT_PTR handle =
            _open(path.c_str(), _O_BINARY | _O_CREAT | _O_TRUNC | _O_WRONLY, _S_IREAD | _S_IWRITE);
        if (++filesBegun == settings.shortFile) {
            shortHandle = handle;
            if (settings.shortBytes == 0)
                GiveUp();
        }
        return handle;
    }
    case fdintCLOSE_FILE_INFO:
        _close(static_cast<int>(pfdin->hf));
        return TRUE;
    default:
        return 0;
    }
}
} // namespace

int main(int argc, char** argv) {
    settings = ReadSettings();
    const char* cabinet = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (_stricmp(argv[i], "/L") == 0 && i + 1 < argc)
            destination = argv[++i];
        else if (argv[i][0] != '/' && cabinet == nullptr)
            cabinet = argv[i];
    }
    if (cabinet == nullptr) {
        std::printf("usage: extract /E /Y /L folder cabinet\n");
        return 1;
    }
    if (destination.empty())
        destination = ".";
    // The library takes the cabinet's folder (with its backslash) and name apart.
    std::string folder = cabinet, name = cabinet;
    const size_t slash = folder.find_last_of("\\/");
    if (slash == std::string::npos) {
        folder = "";
    } else {
        folder.erase(slash + 1);
        name.erase(0, slash + 1);
    }
    ERF error = {};
    HFDI context = FDICreate(Allocate, Free, Open, Read, Write, Close, Seek, cpuUNKNOWN, &error);
    if (context == nullptr)
        return 1;
    const BOOL copied = FDICopy(context, &name[0], &folder[0], 0, Notify, nullptr, nullptr);
    FDIDestroy(context);
    if (!copied) {
        std::printf("extract: %s could not be extracted (error %d)\n", cabinet, error.erfOper);
        return 1;
    }
    return settings.exitCode;
}
