#include "common/ChildProcess.h"

#include <cstring>
#include <vector>

#include "common/TestBuild.h"

HANDLE StartChild(const char* commandLine, bool inheritHandles) {
    RecordChild(commandLine);
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> writable(commandLine, commandLine + std::strlen(commandLine) + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, inheritHandles, 0, nullptr,
                        nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

void WaitForChild(HANDLE process) {
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
}
