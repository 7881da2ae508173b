#include "common/ChildProcess.h"

#include <cstring>
#include <vector>

#include "common/TestBuild.h"

Handle StartChild(const char* commandLine, bool inheritHandles) {
    RecordChild(commandLine);
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> writable(commandLine, commandLine + std::strlen(commandLine) + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, inheritHandles, 0, nullptr,
                        nullptr, &startup, &process))
        return Handle();
    Handle thread(process.hThread);
    return Handle(process.hProcess);
}

void WaitForChild(const Handle& process) {
    const DWORD limit = INFINITE;
    RecordWait(limit);
    WaitForSingleObject(process.Get(), limit);
}
